#include "gui/ent/form/update_po_master_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/bound_method.h"
#include "gui/ent/form/form_widgets.h"
#include "gui/host/window_places.h"
#include "gui/qt_text.h"
#include "gui/table_model.h"
#include "platform/picture/picture.h"

namespace vtl::gui {
namespace {

using ent::FormMode;

QString shownAs(const auto& value, const char* picture) { return qs(pic::clip(pic::format(value, picture))); }

// The entries that offer earlier entries, by field name.
constexpr const char* kRemembered[] = {"EnteredVendor", "DefaultJob", "FOB",       "PONumber",
                                       "PreparedBy",    "ShipToJob",  "ShipVia",   "Terms"};

bool remembered(const QString& field) {
    for (const char* f : kRemembered)
        if (field == QLatin1String(f)) return true;
    return false;
}

// A prompt and its controls on one row, so they show and hide together.
QWidget* promptRow(QFormLayout* form, const QString& prompt, QWidget* field) {
    form->addRow(prompt, field);
    return field;
}

}  // namespace

UpdatePOMasterView::UpdatePOMasterView(ent::UpdatePOMaster& form, suite::AutoEntryStore* autoEntry, QWidget* parent)
    : QDialog(parent), form_(form), autoEntry_(autoEntry) {
    setWindowTitle(qs(form_.caption()));
    setAcceptDrops(true);

    auto* left = new QVBoxLayout;
    left->addWidget(buildVendorGroup());
    left->addWidget(buildShipToGroup());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildMiscGroup());
    right->addWidget(buildTotals());
    right->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 1);

    tabs_ = new QTabWidget(this);
    linesTab_ = buildLinesTab();
    reconciliationTab_ = buildReconciliationTab();
    attachmentsTab_ = buildAttachmentsTab();
    notesTab_ = buildNotesTab();
    tabs_->addTab(linesTab_, QStringLiteral("&Line Items"));
    tabs_->addTab(reconciliationTab_, QStringLiteral("&Reconciliation"));
    tabs_->addTab(attachmentsTab_, QStringLiteral("&Attachments"));
    tabs_->addTab(notesTab_, QStringLiteral("&Notes"));

    auto* bottom = new QDialogButtonBox(this);
    auto* print = bottom->addButton(QStringLiteral("&Print Purchase Order"), QDialogButtonBox::ActionRole);
    auto* ok = bottom->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    auto* cancel = bottom->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    buttons_.insert(QStringLiteral("&Print Purchase Order"), print);
    buttons_.insert(QStringLiteral("&OK"), ok);
    buttons_.insert(QStringLiteral("&Cancel"), cancel);
    ok->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, [this] { act([this] { form_.printPurchaseOrder(); }); });
    connect(bottom, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(bottom, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The header and the tabs scroll when the screen is smaller than they
    // want; the buttons stay in sight at the foot of the window.
    auto* body = new QWidget;
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->addLayout(top);
    bodyLayout->addWidget(tabs_, 1);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("FormBody"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(body);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(bottom);
    // As large as the form wants, as far as the screen allows.
    QSize wanted = body->sizeHint() + QSize(2 * layout->contentsMargins().left() + 4,
                                             bottom->sizeHint().height() + 3 * layout->spacing() +
                                                 layout->contentsMargins().top() + layout->contentsMargins().bottom());
    if (const QScreen* screen = QApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableGeometry().size());
    resize(wanted);

    // No button is the default: Enter in an entry accepts the entry only.
    for (QPushButton* b : buttons_) b->setAutoDefault(false);
    host::keepPlace(this, form_.session().settings, "UpdatePOMaster");
    refresh();
    tabs_->setCurrentIndex(0);
    if (QLineEdit* v = entry(QStringLiteral("EnteredVendor")); v && v->isEnabled()) v->setFocus();
}

// ---- building ------------------------------------------------------------

QLineEdit* UpdatePOMasterView::addEntry(const QString& field, int maxLength, int widthChars) {
    auto* e = new QLineEdit(this);
    e->setObjectName(field);
    e->setMaxLength(maxLength);
    e->setMinimumWidth(e->fontMetrics().averageCharWidth() * widthChars + 12);
    entries_.insert(field, e);
    if (remembered(field)) offerEarlierEntries(e, autoEntry_, ss(field));
    return e;
}

QLabel* UpdatePOMasterView::addShown(const QString& name) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    labels_.insert(name, l);
    return l;
}

QPushButton* UpdatePOMasterView::addButton(const QString& key, const QString& caption, std::function<void()> action) {
    auto* b = new QPushButton(caption, this);
    b->setAutoDefault(false);
    buttons_.insert(key, b);
    connect(b, &QPushButton::clicked, this, [this, action] { act(action); });
    return b;
}

QToolButton* UpdatePOMasterView::lookupButton(std::function<void()> action) {
    auto* b = new QToolButton(this);
    b->setText(QStringLiteral("..."));
    b->setFocusPolicy(Qt::NoFocus);
    lookups_.push_back(b);
    connect(b, &QToolButton::clicked, this, [this, action] { act(action); });
    return b;
}

void UpdatePOMasterView::onAccepted(QLineEdit* e, std::function<void(const std::string&)> accept) {
    connect(e, &QLineEdit::editingFinished, this, [this, e, accept] {
        if (refreshing_ || !e->isModified()) return;
        e->setModified(false);
        const std::string text = ss(e->text());
        if (remembered(e->objectName())) rememberEntry(autoEntry_, ss(e->objectName()), text);
        act([&] { accept(text); });
    });
}

void UpdatePOMasterView::caseMenuOn(QLineEdit* e, const char* field) {
    e->setProperty("caseField", QString::fromLatin1(field));
    e->setContextMenuPolicy(Qt::DefaultContextMenu);
    e->installEventFilter(this);
}

static QHBoxLayout* inRow(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    for (QWidget* w : widgets) row->addWidget(w);
    row->addStretch(1);
    return row;
}

static QWidget* holder(QLayout* row, QWidget* parent) {
    auto* w = new QWidget(parent);
    w->setLayout(row);
    return w;
}

QWidget* UpdatePOMasterView::buildVendorGroup() {
    auto* group = new QGroupBox(QStringLiteral("Vendor Information"), this);
    auto* f = new QFormLayout(group);
    auto* vendor = addEntry(QStringLiteral("EnteredVendor"), 10, 10);
    onAccepted(vendor, [this](const std::string& t) { acceptVendor(t); });
    vendorLookup_ = lookupButton([this] { form_.lookupVendor(); });
    f->addRow(QStringLiteral("&Vendor ID:"), holder(inRow({vendor, vendorLookup_}), group));
    vendorNames_ = new QComboBox(group);
    vendorNames_->setMinimumWidth(vendorNames_->fontMetrics().averageCharWidth() * 34);
    vendorNames_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(vendorNames_, &QComboBox::activated, this, [this](int i) {
        const ULong id = vendorNames_->itemData(i).toULongLong();
        if (id && id != form_.header().VendorID) act([&] { form_.chooseVendorFromList(id); });
        else if (form_.vendorListOpen()) act([&] { form_.chooseVendorFromList(id); });
    });
    vendorNames_->installEventFilter(this);
    f->addRow(QStringLiteral("Name:"), vendorNames_);
    f->addRow(QStringLiteral("Phone:"), addShown(QStringLiteral("VendorPhone")));
    f->addRow(QStringLiteral("Fax:"), addShown(QStringLiteral("VendorFax")));
    auto* terms = addEntry(QStringLiteral("Terms"), 20, 20);
    onAccepted(terms, [this](const std::string& t) { form_.setTerms(t); });
    caseMenuOn(terms, ent::cased::kTerms);
    f->addRow(QStringLiteral("&Terms:"), terms);
    auto* more = addButton(QStringLiteral("More Vendor Info"), QStringLiteral("More Vendor Info"),
                           [this] { form_.moreVendorInfo(); });
    auto* envelope = addButton(QStringLiteral("Envelope / Label"), QStringLiteral("Envelope / Label"),
                               [this] { form_.envelope(); });
    f->addRow(QString(), holder(inRow({more, envelope}), group));
    return group;
}

QWidget* UpdatePOMasterView::buildShipToGroup() {
    auto* group = new QGroupBox(QStringLiteral("Ship To"), this);
    auto* f = new QFormLayout(group);
    shipToType_ = new QComboBox(group);
    shipToType_->addItems(qs(form_.shipToTypes()).split(QLatin1Char('|')));
    connect(shipToType_, &QComboBox::activated, this, [this](int i) {
        const std::string type = ss(shipToType_->itemText(i));
        if (type != form_.header().ShipToType.clip()) act([&] { form_.setShipToType(type); });
    });
    auto* edit = addButton(QStringLiteral("&Edit Shipping Information"), QStringLiteral("&Edit Shipping Information"),
                           [this] { form_.editShippingInformation(); });
    f->addRow(QStringLiteral("T&ype:"), holder(inRow({shipToType_, edit}), group));

    auto* job = addEntry(QStringLiteral("ShipToJob"), 10, 10);
    onAccepted(job, [this](const std::string& t) { form_.enterShipToJob(t); });
    rows_.insert(QStringLiteral("ShipToJob"),
                 promptRow(f, QStringLiteral("&Job:"),
                           holder(inRow({job, lookupButton([this] { form_.enterShipToJob(""); })}), group)));
    auto* vendor = addEntry(QStringLiteral("ShipToVendor"), 6, 8);
    onAccepted(vendor, [this](const std::string& t) {
        form_.enterShipToVendor(static_cast<ULong>(std::strtoul(t.c_str(), nullptr, 10)));
    });
    rows_.insert(QStringLiteral("ShipToVendor"),
                 promptRow(f, QStringLiteral("V&endor:"),
                           holder(inRow({vendor, lookupButton([this] { form_.enterShipToVendor(0); })}), group)));
    auto* customer = addEntry(QStringLiteral("ShipToCustomer"), 6, 8);
    onAccepted(customer, [this](const std::string& t) {
        form_.enterShipToCustomer(static_cast<ULong>(std::strtoul(t.c_str(), nullptr, 10)));
    });
    auto* alternate =
        addButton(QStringLiteral("Alternate"), QStringLiteral("Alternate"), [this] { form_.alternateShipTo(); });
    rows_.insert(QStringLiteral("ShipToCustomer"),
                 promptRow(f, QStringLiteral("C&ustomer:"),
                           holder(inRow({customer, lookupButton([this] { form_.enterShipToCustomer(0); }), alternate}),
                                  group)));
    f->addRow(QString(), addShown(QStringLiteral("ShipToName")));
    f->addRow(QString(), addShown(QStringLiteral("ShipToAddress1")));
    f->addRow(QString(), addShown(QStringLiteral("ShipToAddress2")));
    f->addRow(QString(), addShown(QStringLiteral("CityStateZip")));
    return group;
}

QWidget* UpdatePOMasterView::buildMiscGroup() {
    auto* group = new QGroupBox(QStringLiteral("Miscellaneous"), this);
    auto* f = new QFormLayout(group);
    auto* number = addEntry(QStringLiteral("PONumber"), 15, 15);
    onAccepted(number, [this](const std::string& t) { form_.enterPONumber(t); });
    caseMenuOn(number, ent::cased::kPONumber);
    f->addRow(QStringLiteral("PO &Number:"), number);

    const Date today = form_.session().clock.today();
    struct DateField {
        const char* field;
        const char* prompt;
        void (ent::UpdatePOMaster::*set)(Date);
    };
    const DateField dateFields[] = {{"IssueDate", "&Issue Date:", &ent::UpdatePOMaster::setIssueDate},
                                    {"AcceptDate", "Accept Date:", &ent::UpdatePOMaster::setAcceptDate},
                                    {"DeliveryDate", "Delivery Date:", &ent::UpdatePOMaster::setDeliveryDate},
                                    {"DeadlineDate", "Deadline Date:", &ent::UpdatePOMaster::setDeadlineDate}};
    for (const DateField& d : dateFields) {
        auto* e = new DateEntry(today, group);
        e->entry()->setObjectName(QString::fromLatin1(d.field));
        dates_.insert(QString::fromLatin1(d.field), e);
        connect(e, &DateEntry::accepted, this,
                [this, set = boundMethod(form_, d.set)](Date v) { act([&] { set(v); }); });
        rows_.insert(QString::fromLatin1(d.field), promptRow(f, QString::fromLatin1(d.prompt), e));
    }

    auto* job = addEntry(QStringLiteral("DefaultJob"), 10, 10);
    onAccepted(job, [this](const std::string& t) { form_.enterDefaultJob(t); });
    rows_.insert(QStringLiteral("DefaultJob"),
                 promptRow(f, QStringLiteral("Default &Job:"),
                           holder(inRow({job, lookupButton([this] { form_.lookupDefaultJob(); })}), group)));

    agent_ = new QComboBox(group);
    agent_->setEditable(true);
    agent_->setInsertPolicy(QComboBox::NoInsert);
    agent_->lineEdit()->setObjectName(QStringLiteral("PreparedBy"));
    agent_->lineEdit()->setMaxLength(20);
    agent_->setMinimumWidth(agent_->fontMetrics().averageCharWidth() * 22);
    entries_.insert(QStringLiteral("PreparedBy"), agent_->lineEdit());
    offerEarlierEntries(agent_->lineEdit(), autoEntry_, "PreparedBy");
    onAccepted(agent_->lineEdit(), [this](const std::string& t) { form_.setPreparedBy(t); });
    connect(agent_, &QComboBox::activated, this, [this](int i) {
        const std::string v = ss(agent_->itemText(i));
        act([&] { form_.setPreparedBy(v); });
    });
    caseMenuOn(agent_->lineEdit(), ent::cased::kPreparedBy);
    f->addRow(QStringLiteral("Purch. &Agent:"),
              holder(inRow({agent_, lookupButton([this] { form_.choosePurchasingAgent(); })}), group));

    auto* fob = addEntry(QStringLiteral("FOB"), 20, 20);
    onAccepted(fob, [this](const std::string& t) { form_.setFOB(t); });
    caseMenuOn(fob, ent::cased::kFOB);
    f->addRow(QStringLiteral("&FOB:"), fob);
    auto* via = addEntry(QStringLiteral("ShipVia"), 20, 20);
    onAccepted(via, [this](const std::string& t) { form_.setShipVia(t); });
    f->addRow(QStringLiteral("Ship &Via:"), via);

    taxable_ = new QCheckBox(QStringLiteral("Ta&xable"), group);
    connect(taxable_, &QCheckBox::clicked, this, [this](bool on) { act([&] { form_.setTaxable(on); }); });
    gst_ = new QCheckBox(QStringLiteral("Subject to &GST"), group);
    pst_ = new QCheckBox(QStringLiteral("Subject to P&ST"), group);
    auto boxes = [this] { act([this] { form_.setCanadianTaxes(gst_->isChecked(), pst_->isChecked()); }); };
    connect(gst_, &QCheckBox::clicked, this, boxes);
    connect(pst_, &QCheckBox::clicked, this, boxes);
    f->addRow(QString(), holder(inRow({taxable_, gst_, pst_}), group));
    return group;
}

QWidget* UpdatePOMasterView::buildTotals() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    totals_ = new QGroupBox(QStringLiteral("Totaling"), box);
    auto* g = new QGridLayout(totals_);
    auto right = [](QLabel* l) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(l->fontMetrics().averageCharWidth() * 15);
        return l;
    };
    g->addWidget(new QLabel(QStringLiteral("Subtotal:"), totals_), 0, 0);
    g->addWidget(right(addShown(QStringLiteral("Subtotal"))), 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Tax:"), totals_), 1, 0);
    auto* rate = addEntry(QStringLiteral("TaxRate"), 9, 8);
    rate->setAlignment(Qt::AlignRight);
    rate->setMaximumWidth(rate->minimumWidth());
    onAccepted(rate, [this](const std::string& t) {
        if (auto r = pic::deformatDouble(t.empty() ? "0" : t, "N7.3~%~b")) form_.enterTaxRate(*r);
        else QApplication::beep();
    });
    g->addWidget(rate, 1, 1);
    auto* amount = addEntry(QStringLiteral("TaxAmount"), 15, 14);
    amount->setAlignment(Qt::AlignRight);
    amount->setMaximumWidth(amount->minimumWidth());
    onAccepted(amount, [this](const std::string& t) {
        if (auto a = pic::deformatDecimal<15, 2>(t.empty() ? "0" : t, "@n-14.2b")) form_.enterTaxAmount(*a);
        else QApplication::beep();
    });
    g->addWidget(amount, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Total:"), totals_), 2, 0);
    g->addWidget(right(addShown(QStringLiteral("Total"))), 2, 2);
    g->setColumnStretch(1, 1);

    canadianTotals_ = new QGroupBox(QStringLiteral("Totaling"), box);
    auto* c = new QGridLayout(canadianTotals_);
    c->addWidget(new QLabel(QStringLiteral("Subtotal:"), canadianTotals_), 0, 0);
    c->addWidget(right(addShown(QStringLiteral("CanSubtotal"))), 0, 2);
    c->addWidget(addShown(QStringLiteral("GSTPrompt")), 1, 0);
    c->addWidget(right(addShown(QStringLiteral("GST"))), 1, 2);
    c->addWidget(new QLabel(QStringLiteral("PST:"), canadianTotals_), 2, 0);
    province_ = new QComboBox(canadianTotals_);
    province_->addItems(QStringLiteral("None|AB|BC|MB|NB|NL|NT|NS|NU|ON|PE|QC|SK|YT").split(QLatin1Char('|')));
    province_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(province_, &QComboBox::activated, this, [this](int i) {
        const std::string p = ss(province_->itemText(i));
        act([&] { form_.setProvince(p); });
    });
    c->addWidget(province_, 2, 1, Qt::AlignLeft);
    c->addWidget(right(addShown(QStringLiteral("PST"))), 2, 2);
    c->addWidget(new QLabel(QStringLiteral("Total:"), canadianTotals_), 3, 0);
    c->addWidget(right(addShown(QStringLiteral("CanTotal"))), 3, 2);
    c->setColumnStretch(1, 1);

    layout->addWidget(totals_);
    layout->addWidget(canadianTotals_);
    return box;
}

// ---- showing -------------------------------------------------------------

void UpdatePOMasterView::act(const std::function<void()>& action) {
    if (form_.closed()) return;
    ruleMovedFocus_ = false;
    action();
    refresh();
    placeFocus();
}

void UpdatePOMasterView::refresh() {
    refreshing_ = true;
    setWindowTitle(qs(form_.caption()));
    showHeader();
    showTotals();
    showLines();
    showTabs();
    refreshing_ = false;
}

void UpdatePOMasterView::showHeader() {
    const POMaster& h = form_.header();
    const bool editable = !form_.readOnly();
    auto set = [this](const char* field, const QString& text) {
        QLineEdit* e = entries_.value(QString::fromLatin1(field));
        if (e->text() != text) e->setText(text);
        e->setModified(false);
    };
    set("EnteredVendor", qs(form_.enteredVendor()));
    set("Terms", qs(h.Terms.clip()));
    set("PONumber", qs(h.PONumber.clip()));
    set("DefaultJob", qs(h.DefaultJob.clip()));
    set("FOB", qs(h.FOB.clip()));
    set("ShipVia", qs(h.ShipVia.clip()));
    set("ShipToJob", qs(h.ShipToJob.clip()));
    set("ShipToVendor", shownAs(h.ShipToVendor, "@n_6b"));
    set("ShipToCustomer", shownAs(h.ShipToCustomer, "@n_6b"));

    const bool vendorOpen = editable && form_.vendorEnabled();
    entries_.value(QStringLiteral("EnteredVendor"))->setEnabled(vendorOpen);
    vendorNames_->setEnabled(vendorOpen);
    entries_.value(QStringLiteral("PONumber"))->setEnabled(editable && form_.poNumberEnabled());
    for (QLineEdit* e : entries_) e->setReadOnly(!editable);
    for (QToolButton* b : lookups_) b->setEnabled(editable);
    vendorLookup_->setEnabled(vendorOpen);

    // The vendor-name list: the names found for what was typed while the
    // choice is open, else the vendors chosen so far, with the order's own.
    vendorNames_->clear();
    const auto& list = form_.vendorListOpen() ? form_.vendorChoices() : form_.chosenVendors();
    for (const auto& [id, name] : list) vendorNames_->addItem(qs(name), QVariant::fromValue<qulonglong>(id));
    int current = vendorNames_->findData(QVariant::fromValue<qulonglong>(h.VendorID));
    if (current < 0 && h.VendorID) {
        vendorNames_->insertItem(0, qs(form_.vendorName()), QVariant::fromValue<qulonglong>(h.VendorID));
        current = 0;
    }
    vendorNames_->setCurrentIndex(current);
    labels_.value(QStringLiteral("VendorPhone"))->setText(qs(form_.vendorPhone()));
    labels_.value(QStringLiteral("VendorFax"))->setText(qs(form_.vendorFax()));

    const QString type = qs(h.ShipToType.clip());
    shipToType_->setCurrentIndex(shipToType_->findText(type));
    shipToType_->setEnabled(editable);
    auto showRow = [this](const char* name, bool visible) {
        QWidget* w = rows_.value(QString::fromLatin1(name));
        w->setVisible(visible);
        if (auto* f = qobject_cast<QFormLayout*>(w->parentWidget()->layout())) f->setRowVisible(w, visible);
    };
    showRow("ShipToJob", type == QLatin1String("Job"));
    showRow("ShipToVendor", type == QLatin1String("Vendor"));
    showRow("ShipToCustomer", type == QLatin1String("Customer"));
    buttons_.value(QStringLiteral("Alternate"))->setVisible(form_.alternateVisible());
    labels_.value(QStringLiteral("ShipToName"))->setText(qs(h.ShipToName.clip()));
    labels_.value(QStringLiteral("ShipToAddress1"))->setText(qs(h.ShipToAddress1.clip()));
    labels_.value(QStringLiteral("ShipToAddress2"))->setText(qs(h.ShipToAddress2.clip()));
    labels_.value(QStringLiteral("CityStateZip"))->setText(qs(pic::clip(form_.cityStateZip())));

    dates_.value(QStringLiteral("IssueDate"))->setDate(h.IssueDate);
    dates_.value(QStringLiteral("AcceptDate"))->setDate(h.DeliverAfterDate);
    dates_.value(QStringLiteral("DeliveryDate"))->setDate(h.DeliveryDate);
    dates_.value(QStringLiteral("DeadlineDate"))->setDate(h.DeadlineDate);
    showRow("AcceptDate", form_.acceptDateVisible());
    showRow("DeliveryDate", form_.deliveryDateVisible());
    showRow("DeadlineDate", form_.deadlineDateVisible());
    showRow("DefaultJob", form_.defaultJobVisible());

    // The purchasing agents: the drop list's values, with the order's own.
    const QString agent = qs(h.PreparedBy.clip());
    agent_->clear();
    for (const std::string& a : form_.purchasingAgents()) agent_->addItem(qs(a));
    agent_->setEditText(agent);
    agent_->lineEdit()->setModified(false);
    agent_->setEnabled(editable);

    taxable_->setChecked(h.Taxable == 1);
    taxable_->setVisible(!form_.canadian());
    gst_->setChecked(form_.gstChecked());
    pst_->setChecked(form_.pstChecked());
    gst_->setVisible(form_.canadian());
    pst_->setVisible(form_.canadian());
    for (QCheckBox* b : {taxable_, gst_, pst_}) b->setEnabled(editable);

    buttons_.value(QStringLiteral("&OK"))->setEnabled(form_.okEnabled());
    buttons_.value(QStringLiteral("&Edit Shipping Information"))->setEnabled(editable);
}

void UpdatePOMasterView::showTotals() {
    const POMaster& h = form_.header();
    const bool canadian = form_.canadian();
    totals_->setVisible(!canadian);
    canadianTotals_->setVisible(canadian);
    labels_.value(QStringLiteral("Subtotal"))->setText(shownAs(h.PreTaxAmount, "@n-14.2"));
    labels_.value(QStringLiteral("Total"))->setText(shownAs(h.POAmount, "@n-14.2"));
    for (auto [field, text] : {std::pair{"TaxRate", shownAs(h.TaxRate, "N7.3~%~b")},
                               std::pair{"TaxAmount", shownAs(h.TaxAmount, "@n-14.2b")}}) {
        QLineEdit* e = entries_.value(QString::fromLatin1(field));
        e->setText(text);
        e->setModified(false);
    }
    labels_.value(QStringLiteral("CanSubtotal"))->setText(shownAs(h.PreTaxAmount, "@n-14.2"));
    labels_.value(QStringLiteral("GSTPrompt"))->setText(qs(form_.gstPrompt()));
    labels_.value(QStringLiteral("GST"))->setText(shownAs(h.DiscountAmount, "@n-14.2b"));
    labels_.value(QStringLiteral("PST"))->setText(shownAs(h.OtherCharges, "@n-14.2b"));
    labels_.value(QStringLiteral("CanTotal"))->setText(shownAs(h.POAmount, "@n-14.2"));
    province_->setCurrentIndex(province_->findText(qs(h.CheckNo.clip())));
    province_->setEnabled(!form_.readOnly());
}

void UpdatePOMasterView::placeFocus() {
    const std::string field = form_.takeFocusField();
    if (field.empty()) {
        if (form_.vendorListOpen()) {
            ruleMovedFocus_ = true;
            openVendorList();
        }
        return;
    }
    if (QLineEdit* e = entries_.value(qs(field))) {
        ruleMovedFocus_ = true;
        e->setFocus();
        e->selectAll();
    }
}

// ---- acting --------------------------------------------------------------

void UpdatePOMasterView::acceptVendor(const std::string& typed) { form_.enterVendor(typed); }

void UpdatePOMasterView::openVendorList() {
    vendorNames_->setFocus();
    vendorNames_->showPopup();
}

void UpdatePOMasterView::done(int result) {
    if (form_.closed()) {
        QDialog::done(result);
        return;
    }
    if (result != QDialog::Accepted) {
        form_.cancel();
        QDialog::done(result);
        return;
    }
    // An entry still being typed in is taken first, as leaving it would.
    if (auto* e = qobject_cast<QLineEdit*>(QApplication::focusWidget()); e && e->isModified()) emit e->editingFinished();
    if (form_.closed()) return;
    const ULong before = form_.header().POID;
    form_.ok();
    if (form_.closed()) {
        QDialog::done(result);
        return;
    }
    refresh();
    if (form_.header().POID != before) {
        // Saved, and the next order primed (repetitive insert): start it afresh.
        tabs_->setCurrentIndex(0);
        preview_->hide();
        entries_.value(QStringLiteral("EnteredVendor"))->setFocus();
    }
    placeFocus();
}

bool UpdatePOMasterView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        const QString field = watched->property("caseField").toString();
        if (!field.isEmpty()) {
            // Take what was typed before the case is applied to it.
            if (auto* e = qobject_cast<QLineEdit*>(watched); e && e->isModified()) emit e->editingFinished();
            act([&] { form_.chooseTextCase(ss(field)); });
            return true;
        }
    }
    if (watched == vendorNames_ && event->type() == QEvent::FocusIn) {
        // Focusing the names after typing a different vendor looks it up again.
        QLineEdit* typed = entries_.value(QStringLiteral("EnteredVendor"));
        if (!refreshing_ && typed->isModified()) emit typed->editingFinished();
    }
    if (watched == lines_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Insert) {
            act([this] { form_.insertLine(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void UpdatePOMasterView::keyPressEvent(QKeyEvent* event) {
    // A focused button takes Enter itself; what reaches the window comes
    // from an entry, which has been accepted: move on to the next one,
    // unless a rule has just sent the focus somewhere.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (!ruleMovedFocus_) focusNextChild();
        ruleMovedFocus_ = false;
        return;
    }
    QDialog::keyPressEvent(event);
}

void UpdatePOMasterView::dragEnterEvent(QDragEnterEvent* event) {
    if (tabs_->currentWidget() == attachmentsTab_ && !form_.readOnly() && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void UpdatePOMasterView::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& u : event->mimeData()->urls())
        if (u.isLocalFile()) paths << u.toLocalFile();
    event->acceptProposedAction();
    dropPaths(paths);
}

void UpdatePOMasterView::dropPaths(const QStringList& paths) {
    if (tabs_->currentWidget() != attachmentsTab_ || paths.isEmpty()) return;
    std::vector<std::string> list;
    for (const QString& p : paths) list.push_back(ss(p));
    int attached = 0;
    act([&] { attached = form_.dropPaths(list); });
    if (attached) showAttachments(attachmentsModel_->rowCount() - 1);
}

}  // namespace vtl::gui
