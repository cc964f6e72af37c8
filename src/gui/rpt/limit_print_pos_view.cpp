#include "gui/rpt/limit_print_pos_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/dialog_views.h"
#include "gui/qt_text.h"
#include "gui/rpt/po_list_limits_view.h"
#include "platform/picture/picture.h"

namespace vtl::gui {
namespace {

const char* const kConditions[] = {"U", "P", "A"};
const char* const kAssign[] = {"B", "A", "N"};

}  // namespace

LimitPrintPOsView::LimitPrintPOsView(rpt::LimitPrintPOs& window, QWidget* parent) : QDialog(parent), window_(window) {
    setWindowTitle(QString::fromLatin1(rpt::LimitPrintPOs::kTitle));

    auto* range = new QGroupBox(QStringLiteral("Purchase Orders"), this);
    auto* rangeForm = new QFormLayout(range);
    select_ = new QCheckBox(QStringLiteral("Select PO Numbers"), range);
    rangeForm->addRow(select_);
    auto numberRow = [&](QLineEdit*& entry, QToolButton*& lookup, const QString& caption) {
        entry = new QLineEdit(range);
        entry->setMaxLength(12);
        lookup = new QToolButton(range);
        lookup->setText(QStringLiteral("..."));
        auto* row = new QHBoxLayout;
        row->addWidget(entry);
        row->addWidget(lookup);
        // A label of its own, so that its mnemonic moves to the entry.
        auto* label = new QLabel(caption, range);
        label->setBuddy(entry);
        rangeForm->addRow(label, row);
    };
    numberRow(from_, fromLookup_, QStringLiteral("&From:"));
    numberRow(to_, toLookup_, QStringLiteral("&To:"));

    auto* condition = new QGroupBox(QStringLiteral("Print Condition"), this);
    auto* conditionBox = new QVBoxLayout(condition);
    const char* conditionTexts[] = {"Unprinted Purchase Orders Only", "Printed Purchase Orders Only",
                                    "All Purchase Orders"};
    for (int i = 0; i < 3; ++i) {
        condition_[i] = new QRadioButton(QString::fromLatin1(conditionTexts[i]), condition);
        conditionBox->addWidget(condition_[i]);
        connect(condition_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) window_.setPrintCondition(kConditions[i]);
        });
    }
    flag_ = new QCheckBox(QStringLiteral("Flag POs as 'Printed' after Printing"), this);

    auto* numbering = new QGroupBox(QStringLiteral("Purchase Order Numbering"), this);
    auto* numberingBox = new QVBoxLayout(numbering);
    const char* assignTexts[] = {"Assign Numbers to Purchase Orders with a Blank PO # Field",
                                 "Assign Numbers to All Purchase Orders (replace previous number)",
                                 "Do Not Assign Any Purchase Order Numbers"};
    for (int i = 0; i < 3; ++i) {
        assign_[i] = new QRadioButton(QString::fromLatin1(assignTexts[i]), numbering);
        numberingBox->addWidget(assign_[i]);
        connect(assign_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) window_.setAssignNumbers(kAssign[i]);
        });
    }
    auto* beginningRow = new QFormLayout;
    beginning_ = new QLineEdit(numbering);
    beginning_->setMaxLength(12);
    beginningRow->addRow(QStringLiteral("&Beginning PO Number:"), beginning_);
    numberingBox->addLayout(beginningRow);

    auto* buttons = new QDialogButtonBox(this);
    auto* dummy = buttons->addButton(QStringLiteral("Print a &Dummy PO"), QDialogButtonBox::ActionRole);
    auto* training = buttons->addButton(QStringLiteral("Play training video"), QDialogButtonBox::ActionRole);
    auto* print = buttons->addButton(QStringLiteral("&Print"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    auto* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    print->setDefault(true);

    connect(select_, &QCheckBox::toggled, this, [this](bool on) {
        window_.setSelectPONumbers(on);
        refresh();
    });
    connect(from_, &QLineEdit::editingFinished, this, [this] { takeNumber(from_, true); });
    connect(to_, &QLineEdit::editingFinished, this, [this] { takeNumber(to_, false); });
    connect(fromLookup_, &QToolButton::clicked, this, [this] {
        window_.lookupPOFrom();
        refresh();
    });
    connect(toLookup_, &QToolButton::clicked, this, [this] {
        window_.lookupPOTo();
        refresh();
    });
    connect(flag_, &QCheckBox::toggled, this, [this](bool on) { window_.setFlagPrinted(on); });
    connect(beginning_, &QLineEdit::editingFinished, this, [this] {
        if (auto n = pic::deformatScaled(ss(beginning_->text()), 0, "@N_12B"); n && *n >= 0 && *n <= 0xFFFFFFFFll)
            window_.setBeginningNumber(static_cast<ULong>(*n));
        refresh();
    });
    connect(dummy, &QPushButton::clicked, this, [this] { window_.printDummy(); });
    connect(training, &QPushButton::clicked, this, [this] { window_.playTraining(); });
    connect(help, &QPushButton::clicked, this, [this] { window_.help(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        // An entry still being typed in counts.
        if (from_->isModified()) takeNumber(from_, true);
        if (to_->isModified()) takeNumber(to_, false);
        if (window_.print()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] {
        window_.cancel();
        reject();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(range);
    layout->addWidget(condition);
    layout->addWidget(flag_);
    layout->addWidget(numbering);
    layout->addWidget(buttons);
    refresh();
}

QPushButton* LimitPrintPOsView::button(const QString& caption) const {
    for (auto* b : findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

void LimitPrintPOsView::takeNumber(QLineEdit* entry, bool from) {
    const std::string typed = ss(entry->text());
    const std::string before = from ? window_.poFrom() : window_.poTo();
    if (typed != before) (from ? window_.enterPOFrom(typed) : window_.enterPOTo(typed));
    entry->setModified(false);
    refresh();
}

void LimitPrintPOsView::refresh() {
    const QSignalBlocker b1(select_), b2(flag_);
    select_->setChecked(window_.selectPONumbers());
    for (auto* w : {static_cast<QWidget*>(from_), static_cast<QWidget*>(to_), static_cast<QWidget*>(fromLookup_),
                    static_cast<QWidget*>(toLookup_)})
        w->setEnabled(window_.selectPONumbers());
    // An entry being typed in keeps what is typed until it is taken.
    if (!from_->isModified()) from_->setText(qs(window_.poFrom()));
    if (!to_->isModified()) to_->setText(qs(window_.poTo()));
    const std::string& c = window_.printCondition();
    const int ci = c == "U" ? 0 : c == "P" ? 1 : 2;
    const QSignalBlocker b3(condition_[ci]);
    condition_[ci]->setChecked(true);
    flag_->setChecked(window_.flagPrinted());
    const std::string& a = window_.assignNumbers();
    const int ai = a == "B" ? 0 : a == "A" ? 1 : 2;
    const QSignalBlocker b4(assign_[ai]);
    assign_[ai]->setChecked(true);
    beginning_->setText(qs(pic::clip(pic::format(window_.beginningNumber(), "@N_12B"))));
}

void registerPrintViews(suite::Views& views) {
    registerDialog<LimitPrintPOsView, rpt::LimitPrintPOs>(views);
    registerListingViews(views);
}

}  // namespace vtl::gui
