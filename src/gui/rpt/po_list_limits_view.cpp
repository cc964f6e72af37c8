#include "gui/rpt/po_list_limits_view.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/dialog_views.h"
#include "gui/qt_text.h"
#include "platform/picture/picture.h"

namespace vtl::gui {

using rpt::Choice;
using rpt::Limit;

// ---- the list

BrowsePOListLimitsView::BrowsePOListLimitsView(rpt::BrowsePOListLimits& list, QWidget* parent)
    : ListDialog(rpt::BrowsePOListLimits::kTitle, list.columns(), parent), list_(list) {
    auto* locate = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&Locate:"), this);
    locator_ = new QLineEdit(this);
    label->setBuddy(locator_);
    locate->addWidget(label);
    locate->addWidget(locator_, 1);
    topArea()->addLayout(locate);
    connect(locator_, &QLineEdit::textEdited, this, [this](const QString& t) {
        list_.locate(ss(t));
        setCurrentRow(list_.highlight());
    });

    const bool all = !list_.favouritesOnly();
    if (all) addButton(QStringLiteral("&Insert"), [this] { follow(), list_.insert(), refresh(); });
    needsRow(addButton(QStringLiteral("&Change"), [this] { follow(), list_.change(), refresh(); }));
    if (all) needsRow(addButton(QStringLiteral("&Delete"), [this] { follow(), list_.deleteHighlighted(), refresh(); }));
    needsRow(addButton(QStringLiteral("Duplicate Highlighted Report"), [this] { follow(), list_.duplicate(), refresh(); }));
    if (all) needsRow(addButton(QStringLiteral("Add to Favorite Reports"), [this] { follow(), list_.addToFavourites(); }));
    QPushButton* print = addButton(QStringLiteral("&Print"), [this] { follow(), list_.print(), refresh(); });
    print->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(print, &QPushButton::customContextMenuRequested, this, [this, print](const QPoint& at) {
        QMenu menu(this);
        QAction* preview = menu.addAction(QStringLiteral("Preview the Report to Screen"));
        QAction* direct = menu.addAction(QStringLiteral("Print Report Directly to Default Printer"));
        menu.addAction(QStringLiteral("Cancel"));
        QAction* chosen = menu.exec(print->mapToGlobal(at));
        follow();
        if (chosen == preview) list_.print(false);
        else if (chosen == direct) list_.print(true);
    });
    addButton(QStringLiteral("&Help"), [this] { list_.help(); });
    addButton(QStringLiteral("Close"), [this] {
        list_.close();
        accept();
    });
    onActivate([this] { follow(), list_.change(), refresh(); });
    refresh();
}

void BrowsePOListLimitsView::follow() { list_.setHighlight(currentRow()); }

void BrowsePOListLimitsView::refresh() {
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < list_.rowCount(); ++i) rows.push_back(list_.cells(i));
    setRows(rows, list_.highlight());
}

// ---- the form

namespace {

QToolButton* lookupButton(QWidget* parent, const QString& tip = QStringLiteral("Look up")) {
    auto* b = new QToolButton(parent);
    b->setText(QStringLiteral("..."));
    b->setToolTip(tip);
    return b;
}

// The calendar of "Select a Date"; the date chosen, or none.
std::optional<Date> pickDate(QWidget* parent, Date current, Date today) {
    QDialog d(parent);
    d.setWindowTitle(QStringLiteral("Select a Date"));
    auto* cal = new QCalendarWidget(&d);
    const Date start = current.isNull() ? today : current;
    cal->setSelectedDate(QDate(start.year(), start.month(), start.day()));
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    QObject::connect(box, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    QObject::connect(cal, &QCalendarWidget::activated, &d, &QDialog::accept);
    auto* v = new QVBoxLayout(&d);
    v->addWidget(cal);
    v->addWidget(box);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    const QDate q = cal->selectedDate();
    return Date::fromYmd(q.year(), q.month(), q.day());
}

}  // namespace

QGroupBox* UpdatePOListLimitsView::limitGroup(Limit which, const QString& title) {
    LimitControls& c = limits_[static_cast<std::size_t>(which)];
    c.group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(c.group);
    const char* captions[] = {"All", "Range", "List"};
    auto* choices = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        c.choice[static_cast<std::size_t>(i)] = new QRadioButton(QString::fromLatin1(captions[i]), c.group);
        choices->addWidget(c.choice[static_cast<std::size_t>(i)]);
        connect(c.choice[static_cast<std::size_t>(i)], &QRadioButton::toggled, this, [this, which, i](bool on) {
            if (!on || refreshing_) return;
            form_.setChoice(which, static_cast<Choice>(i));
            refresh();
        });
    }
    choices->addStretch(1);
    grid->addLayout(choices, 0, 0, 1, 4);
    c.from = new QLineEdit(c.group);
    c.to = new QLineEdit(c.group);
    c.fromLookup = lookupButton(c.group);
    c.toLookup = lookupButton(c.group);
    grid->addWidget(new QLabel(QStringLiteral("From:"), c.group), 1, 0);
    grid->addWidget(c.from, 1, 1);
    grid->addWidget(c.fromLookup, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("To:"), c.group), 2, 0);
    grid->addWidget(c.to, 2, 1);
    grid->addWidget(c.toLookup, 2, 2);
    c.list = new QPushButton(QString::fromLatin1(rpt::UpdatePOListLimits::listButton(which)), c.group);
    c.list->setAutoDefault(false);
    grid->addWidget(c.list, 1, 3, 2, 1);
    grid->setColumnStretch(1, 1);
    c.from->setMinimumWidth(110);
    c.to->setMinimumWidth(110);
    connect(c.from, &QLineEdit::editingFinished, this, [this, which] { take(which, true); });
    connect(c.to, &QLineEdit::editingFinished, this, [this, which] { take(which, false); });
    connect(c.fromLookup, &QToolButton::clicked, this, [this, which] { lookup(which, true); });
    connect(c.toLookup, &QToolButton::clicked, this, [this, which] { lookup(which, false); });
    connect(c.list, &QPushButton::clicked, this, [this, which] { form_.editList(which); });
    return c.group;
}

QString UpdatePOListLimitsView::shown(Limit which, bool from) const {
    const POLimits& l = form_.limits();
    switch (which) {
        case Limit::PONumbers: return qs((from ? l.POFrom : l.POTo).clip());
        case Limit::Vendors: {
            const ULong v = from ? l.VendorFrom : l.VendorTo;
            return v ? QString::number(v) : QString();
        }
        case Limit::Jobs: return qs((from ? l.JobFrom : l.JobTo).clip());
        case Limit::CostCodes: return qs((from ? l.CostCodeFrom : l.CostCodeTo).clip());
    }
    return {};
}

void UpdatePOListLimitsView::take(Limit which, bool from) {
    if (refreshing_) return;
    LimitControls& c = limits_[static_cast<std::size_t>(which)];
    QLineEdit* entry = from ? c.from : c.to;
    if (!entry->isModified()) return;
    entry->setModified(false);
    const std::string typed = ss(entry->text());
    bool ok = true;
    switch (which) {
        case Limit::PONumbers: ok = form_.enterPO(from, typed); break;
        case Limit::Vendors: ok = form_.enterVendor(from, typed); break;
        case Limit::Jobs: ok = form_.enterJob(from, typed); break;
        case Limit::CostCodes: form_.enterCostCode(from, typed); break;
    }
    refresh();
    if (!ok) {
        entry->setFocus();
        entry->selectAll();
    }
}

void UpdatePOListLimitsView::lookup(Limit which, bool from) {
    switch (which) {
        case Limit::PONumbers: form_.lookupPO(from); break;
        case Limit::Vendors: form_.lookupVendor(from); break;
        case Limit::Jobs: form_.lookupJob(from); break;
        case Limit::CostCodes: form_.lookupCostCode(from); break;
    }
    refresh();
}

UpdatePOListLimitsView::UpdatePOListLimitsView(rpt::UpdatePOListLimits& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    setWindowTitle(QString::fromLatin1(rpt::UpdatePOListLimits::kTitle) + QStringLiteral(" - ") + qs(form_.caption()));
    POLimits& l = form_.limits();

    // The title, owner and lock.
    auto* head = new QGridLayout;
    title_ = new QLineEdit(this);
    title_->setMaxLength(40);
    user_ = new QComboBox(this);
    for (const std::string& u : form_.users()) user_->addItem(qs(u));
    lock_ = new QCheckBox(QStringLiteral("Lock"), this);
    lock_->setVisible(form_.lockVisible());
    auto* titleLabel = new QLabel(QStringLiteral("Report &Title:"), this);
    titleLabel->setBuddy(title_);
    head->addWidget(titleLabel, 0, 0);
    head->addWidget(title_, 0, 1);
    head->addWidget(new QLabel(QStringLiteral("User:"), this), 0, 2);
    head->addWidget(user_, 0, 3);
    head->addWidget(lock_, 0, 4);
    connect(title_, &QLineEdit::textEdited, this, [&l](const QString& t) { l.ReportTitle = ss(t); });
    connect(user_, &QComboBox::currentTextChanged, this, [this, &l](const QString& t) {
        if (!refreshing_) l.UserID = ss(t);
    });
    connect(lock_, &QCheckBox::toggled, this, [this, &l](bool on) {
        if (!refreshing_) l.Locked = on ? 1 : 0;
    });

    QGroupBox* pos = limitGroup(Limit::PONumbers, QStringLiteral("Purchase Orders"));
    QGroupBox* vendors = limitGroup(Limit::Vendors, QStringLiteral("Vendors"));
    QGroupBox* jobs = limitGroup(Limit::Jobs, QStringLiteral("Jobs"));
    QGroupBox* costs = limitGroup(Limit::CostCodes, QStringLiteral("Cost Codes"));

    auto* status = new QGroupBox(QStringLiteral("Reconciled Status"), this);
    auto* statusBox = new QVBoxLayout(status);
    const char* stateCaptions[] = {"Unreconciled", "Partially Reconciled", "Fully Reconciled"};
    Byte* stateFields[] = {&l.Unreconciled, &l.PartiallyReconciled, &l.FullyReconciled};
    for (std::size_t i = 0; i < 3; ++i) {
        states_[i] = new QCheckBox(QString::fromLatin1(stateCaptions[i]), status);
        statusBox->addWidget(states_[i]);
        Byte* field = stateFields[i];
        connect(states_[i], &QCheckBox::toggled, this, [this, field](bool on) {
            if (!refreshing_) *field = on ? 1 : 0;
        });
    }
    detail_ = new QCheckBox(QStringLiteral("Include Reconciliation Detail"), this);
    connect(detail_, &QCheckBox::toggled, this, [this, &l](bool on) {
        if (!refreshing_) l.RefFrom = on ? 1 : 0;
    });
    negative_ = new QCheckBox(QStringLiteral("Show Overreconciled as "), this);
    auto* negativeRow = new QHBoxLayout;
    negativeRow->addWidget(negative_);
    negativeRow->addWidget(new QLabel(QStringLiteral("Negative Open Amount"), this));
    negativeRow->addStretch(1);
    connect(negative_, &QCheckBox::toggled, this, [this, &l](bool on) {
        if (!refreshing_) l.ColorCoding = on ? 1 : 0;
    });

    auto radios = [this](const QString& title, std::initializer_list<const char*> captions, QRadioButton** out,
                         std::function<void(int)> chosen) {
        auto* g = new QGroupBox(title, this);
        auto* v = new QVBoxLayout(g);
        int i = 0;
        for (const char* c : captions) {
            out[i] = new QRadioButton(QString::fromLatin1(c), g);
            v->addWidget(out[i]);
            connect(out[i], &QRadioButton::toggled, this, [this, i, chosen](bool on) {
                if (on && !refreshing_) {
                    chosen(i);
                    refresh();
                }
            });
            ++i;
        }
        return g;
    };
    QGroupBox* lineLimits = radios(QStringLiteral("Line Limits"), {"Whole POs Only", "Lines Within Limits"},
                                   lines_.data(), [&l](int i) { l.SortDetail = i == 0 ? "W" : "L"; });
    QGroupBox* sequence =
        radios(QStringLiteral("Print Sequence"),
               {"by PO Number", "by Reference Number", "by Job then Vendor", "by Job then PO Number"},
               sequence_.data(), [&l](int i) { l.Sequence = std::array<const char*, 4>{"P", "R", "J", "j"}[static_cast<std::size_t>(i)]; });
    QGroupBox* orientation = radios(QStringLiteral("Orientation"), {"Portrait", "Landscape"}, orientation_.data(),
                                    [&l](int i) { l.Orientation = i == 0 ? "P" : "L"; });
    QGroupBox* include = radios(QStringLiteral("Include"), {"Jobs Only", "Non-Jobs Only", "Both"}, include_.data(),
                                [this](int i) { form_.setInclude(static_cast<Byte>(i + 1)); });
    QGroupBox* format = radios(QStringLiteral("Report Format"), {"Detailed", "Omit Line Items", "Summary"},
                               format_.data(), [&l](int i) { l.SelectedCat = static_cast<Byte>(i); });

    // The date limit.
    auto* dates = new QGroupBox(QStringLiteral("Date Limit"), this);
    auto* dateGrid = new QGridLayout(dates);
    dateType_ = new QComboBox(dates);
    for (const char* t : rpt::kDateTypes) dateType_->addItem(QString::fromLatin1(t));
    dateGrid->addWidget(dateType_, 0, 0, 1, 3);
    connect(dateType_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!refreshing_) {
            form_.setDateType(i);
            refresh();
        }
    });
    auto dateRow = [&](int row, const QString& caption, QLineEdit*& entry, Date POLimits::*field) {
        entry = new QLineEdit(dates);
        auto* pick = lookupButton(dates, QStringLiteral("Select a Date"));
        dateGrid->addWidget(new QLabel(caption, dates), row, 0);
        dateGrid->addWidget(entry, row, 1);
        dateGrid->addWidget(pick, row, 2);
        connect(entry, &QLineEdit::editingFinished, this, [this, entry, field] {
            if (auto d = pic::deformatDate(ss(entry->text()), "@d1", form_.limits().ModifyDate); d)
                form_.limits().*field = *d;
            refresh();
        });
        connect(pick, &QToolButton::clicked, this, [this, field] {
            if (auto d = pickDate(this, form_.limits().*field, form_.limits().ModifyDate)) form_.limits().*field = *d;
            refresh();
        });
    };
    dateRow(1, QStringLiteral("From:"), dateFrom_, &POLimits::DateFrom);
    dateRow(2, QStringLiteral("To:"), dateTo_, &POLimits::DateTo);

    // The equipment range.
    auto* eq = new QGroupBox(QStringLiteral("Equipment"), this);
    auto* eqGrid = new QGridLayout(eq);
    equipment_ = new QCheckBox(QStringLiteral("Select Equipment"), eq);
    eqGrid->addWidget(equipment_, 0, 0, 1, 3);
    connect(equipment_, &QCheckBox::toggled, this, [this, &l](bool on) {
        if (refreshing_) return;
        l.SelectedEquipment = on ? 1 : 0;
        refresh();
    });
    auto eqRow = [&](int row, const QString& caption, QLineEdit*& entry, bool from) {
        entry = new QLineEdit(eq);
        entry->setMaxLength(10);
        auto* pick = lookupButton(eq);
        eqGrid->addWidget(new QLabel(caption, eq), row, 0);
        eqGrid->addWidget(entry, row, 1);
        eqGrid->addWidget(pick, row, 2);
        connect(entry, &QLineEdit::editingFinished, this, [this, entry, from] {
            form_.enterEquipment(from, ss(entry->text()));
            refresh();
        });
        connect(pick, &QToolButton::clicked, this, [this, from] {
            form_.lookupEquipment(from);
            refresh();
        });
    };
    eqRow(1, QStringLiteral("From:"), eqFrom_, true);
    eqRow(2, QStringLiteral("To:"), eqTo_, false);

    auto* buttons = new QDialogButtonBox(this);
    auto* defaults = buttons->addButton(QStringLiteral("Load Defaults"), QDialogButtonBox::ActionRole);
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    auto* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    auto* savePrint = buttons->addButton(QStringLiteral("Save and &Print"), QDialogButtonBox::ActionRole);
    ok->setDefault(true);
    defaults->setEnabled(!form_.readOnly());
    connect(defaults, &QPushButton::clicked, this, [this] {
        form_.loadDefaults();
        refresh();
    });
    connect(help, &QPushButton::clicked, this, [this] { form_.help(); });
    connect(savePrint, &QPushButton::clicked, this, [this] {
        form_.saveAndPrint();
        refresh();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (form_.ok()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] {
        form_.cancel();
        reject();
    });

    // Two columns: the four limits on the left, the choices on the right.
    auto* left = new QVBoxLayout;
    for (QGroupBox* g : {pos, vendors, jobs, costs}) left->addWidget(g);
    left->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(status);
    middle->addWidget(detail_);
    middle->addLayout(negativeRow);
    middle->addWidget(lineLimits);
    middle->addWidget(sequence);
    middle->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(dates);
    right->addWidget(eq);
    auto* pair = new QHBoxLayout;
    pair->addWidget(orientation);
    pair->addWidget(format);
    right->addLayout(pair);
    right->addWidget(include);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(middle, 2);
    columns->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    // In view mode, or on a set locked by another user, nothing can be changed.
    if (form_.readOnly())
        for (QWidget* w : findChildren<QWidget*>())
            if (!qobject_cast<QDialogButtonBox*>(w) && !qobject_cast<QPushButton*>(w) && !qobject_cast<QGroupBox*>(w) &&
                !qobject_cast<QLabel*>(w))
                w->setEnabled(false);
    for (auto& c : limits_) c.list->setEnabled(false);
    savePrint->setEnabled(true);
    refresh();
}

QPushButton* UpdatePOListLimitsView::button(const QString& caption) const {
    for (auto* b : findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

void UpdatePOListLimitsView::refresh() {
    refreshing_ = true;
    const POLimits& l = form_.limits();
    const bool editable = !form_.readOnly();
    title_->setText(qs(l.ReportTitle.clip()));
    title_->setReadOnly(!editable);
    const int u = user_->findText(qs(l.UserID.clip()));
    if (u < 0 && !l.UserID.blank()) user_->addItem(qs(l.UserID.clip()));
    user_->setCurrentIndex(user_->findText(qs(l.UserID.clip())));
    lock_->setChecked(l.Locked == 1);
    for (std::size_t i = 0; i < 4; ++i) {
        const Limit which = static_cast<Limit>(i);
        LimitControls& c = limits_[i];
        c.choice[static_cast<std::size_t>(form_.choice(which))]->setChecked(true);
        for (QRadioButton* r : c.choice) r->setEnabled(form_.enabled(which));
        const bool range = form_.rangeEnabled(which);
        for (QWidget* w : {static_cast<QWidget*>(c.from), static_cast<QWidget*>(c.to),
                           static_cast<QWidget*>(c.fromLookup), static_cast<QWidget*>(c.toLookup)})
            w->setEnabled(range);
        c.list->setEnabled(form_.listEnabled(which));
        if (!c.from->isModified()) c.from->setText(shown(which, true));
        if (!c.to->isModified()) c.to->setText(shown(which, false));
    }
    states_[0]->setChecked(l.Unreconciled != 0);
    states_[1]->setChecked(l.PartiallyReconciled != 0);
    states_[2]->setChecked(l.FullyReconciled != 0);
    detail_->setChecked(l.RefFrom == 1);
    negative_->setChecked(l.ColorCoding == 1);
    lines_[l.SortDetail == "L" ? 1 : 0]->setChecked(true);
    const std::string seq = l.Sequence.str();
    sequence_[seq == "R" ? 1 : seq == "J" ? 2 : seq == "j" ? 3 : 0]->setChecked(true);
    orientation_[l.Orientation == "L" ? 1 : 0]->setChecked(true);
    include_[static_cast<std::size_t>(l.SelectedRef >= 1 && l.SelectedRef <= 3 ? l.SelectedRef - 1 : 2)]->setChecked(true);
    format_[static_cast<std::size_t>(l.SelectedCat <= 2 ? l.SelectedCat : 0)]->setChecked(true);
    dateType_->setCurrentIndex(form_.dateType());
    const bool dated = editable && form_.dateType() != 0;
    dateFrom_->setText(qs(pic::clip(pic::format(l.DateFrom, "@d1b"))));
    dateTo_->setText(qs(pic::clip(pic::format(l.DateTo, "@d1b"))));
    for (QWidget* w : dateFrom_->parentWidget()->findChildren<QWidget*>())
        if (w != dateType_ && !qobject_cast<QLabel*>(w)) w->setEnabled(dated);
    equipment_->setChecked(l.SelectedEquipment == 1);
    eqFrom_->setText(qs(l.EQFrom.clip()));
    eqTo_->setText(qs(l.EQTo.clip()));
    const bool eq = editable && l.SelectedEquipment == 1;
    for (QWidget* w : eqFrom_->parentWidget()->findChildren<QWidget*>())
        if (w != equipment_ && !qobject_cast<QLabel*>(w)) w->setEnabled(eq);
    refreshing_ = false;
}

void registerListingViews(suite::Views& views) {
    views.set<rpt::BrowsePOListLimits>([](rpt::BrowsePOListLimits& c) {
        BrowsePOListLimitsView view(c, callingWindow());
        view.exec();
    });
    registerDialog<UpdatePOListLimitsView, rpt::UpdatePOListLimits>(views);
}

}  // namespace vtl::gui
