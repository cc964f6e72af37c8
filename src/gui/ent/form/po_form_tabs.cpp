// The tabs of the purchase-order form's window: the lines with their
// buttons, the invoices that reconciled the order, its attachments with a
// preview, and its notes.
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/bound_method.h"
#include "gui/ent/form/form_widgets.h"
#include "gui/ent/form/update_po_master_view.h"
#include "gui/qt_text.h"
#include "gui/siblings/notes_view.h"
#include "gui/table_model.h"
#include "platform/picture/picture.h"
#include "siblings/services/images.h"
#include "siblings/services/notes.h"

namespace vtl::gui {
namespace {

// The description of a line, and at its right, dimmed, what the line is
// charged to (job and cost code, equipment and category, account) when the
// column has room for both.
class ChargeHintDelegate : public QStyledItemDelegate {
public:
    ChargeHintDelegate(const ent::UpdatePOMaster& form, QObject* parent)
        : QStyledItemDelegate(parent), form_(form) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const auto& rows = form_.rows();
        if (index.row() < 0 || index.row() >= static_cast<int>(rows.size())) return;
        const QString hint = qs(rows[static_cast<std::size_t>(index.row())].charge);
        if (hint.isEmpty()) return;
        const QFontMetrics metrics(option.font);
        constexpr int kGap = 24, kMargin = 6;
        const int used = metrics.horizontalAdvance(index.data().toString()) + kGap + kMargin;
        if (used + metrics.horizontalAdvance(hint) > option.rect.width()) return;
        const bool selected = option.state & QStyle::State_Selected;
        QColor colour = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        colour.setAlpha(130);
        painter->save();
        painter->setPen(colour);
        painter->drawText(option.rect.adjusted(0, 0, -kMargin, 0), Qt::AlignRight | Qt::AlignVCenter, hint);
        painter->restore();
    }

private:
    const ent::UpdatePOMaster& form_;
};

using ent::FormMode;
using ui::Align;

QTableView* newList(QWidget* parent, TableModel* model, const std::vector<ui::LookupColumn>& columns) {
    auto* view = new QTableView(parent);
    model->setParent(view);
    model->setColumns(columns);
    setUpList(view, model);
    return view;
}

int currentRow(const QTableView* view) {
    const QModelIndex i = view->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void selectRow(QTableView* view, int row) {
    if (row < 0 || row >= view->model()->rowCount()) return;
    view->selectRow(row);
    view->setCurrentIndex(view->model()->index(row, 0));
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* w : widgets) row->addWidget(w);
    row->addStretch(1);
    return row;
}

}  // namespace

QWidget* UpdatePOMasterView::buildLinesTab() {
    auto* tab = new QWidget(this);
    linesModel_ = new TableModel;
    lines_ = newList(tab, linesModel_,
                     {{"ID", 70, Align::Left},
                      {"Description", 200, Align::Left},
                      {"Quantity", 52, Align::Right},
                      {"Unit Price", 56, Align::Right},
                      {"Total", 56, Align::Right}});
    lines_->horizontalHeader()->setStretchLastSection(false);
    lines_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    lines_->setItemDelegateForColumn(1, new ChargeHintDelegate(form_, lines_));
    lines_->installEventFilter(this);
    connect(lines_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) {
                if (!refreshing_ && now.isValid()) form_.highlight(now.row());
            });
    connect(lines_, &QTableView::doubleClicked, this, [this] { act([this] { form_.changeLine(); }); });
    auto* insert = addButton(QStringLiteral("Lines:&Insert"), QStringLiteral("&Insert"), [this] { form_.insertLine(); });
    auto* change = addButton(QStringLiteral("Lines:&Change"), QStringLiteral("&Change"), [this] { form_.changeLine(); });
    auto* remove = addButton(QStringLiteral("Lines:&Delete"), QStringLiteral("&Delete"), [this] { form_.deleteLine(); });
    auto move = [this, tab](const QString& name, const QString& tip, Qt::ArrowType arrow, const QString& text,
                            void (ent::UpdatePOMaster::*method)()) {
        auto* b = new QToolButton(tab);
        b->setObjectName(name);
        if (arrow != Qt::NoArrow) b->setArrowType(arrow);
        else b->setText(text);
        b->setToolTip(tip);
        connect(b, &QToolButton::clicked, this, [this, action = boundMethod(form_, method)] { act(action); });
        return b;
    };
    auto* top = move(QStringLiteral("MoveToTop"), QStringLiteral("Move to top"), Qt::NoArrow, QStringLiteral("⤒"),
                     &ent::UpdatePOMaster::moveToTop);
    auto* up = move(QStringLiteral("MoveUp"), QStringLiteral("Move up"), Qt::UpArrow, {}, &ent::UpdatePOMaster::moveUp);
    auto* down = move(QStringLiteral("MoveDown"), QStringLiteral("Move down"), Qt::DownArrow, {},
                      &ent::UpdatePOMaster::moveDown);
    auto* bottom = move(QStringLiteral("MoveToBottom"), QStringLiteral("Move to bottom"), Qt::NoArrow,
                        QStringLiteral("⤓"), &ent::UpdatePOMaster::moveToBottom);
    auto* moves = new QVBoxLayout;
    for (QWidget* w : {top, up, down, bottom}) moves->addWidget(w);
    moves->addStretch(1);
    auto* listAndMoves = new QHBoxLayout;
    listAndMoves->addWidget(lines_, 1);
    listAndMoves->addLayout(moves);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(listAndMoves, 1);
    layout->addLayout(buttonRow({insert, change, remove}));
    return tab;
}

QWidget* UpdatePOMasterView::buildReconciliationTab() {
    auto* tab = new QWidget(this);
    reconciliationModel_ = new TableModel;
    reconciliation_ = newList(tab, reconciliationModel_,
                              {{"Invoice #", 120, Align::Left},
                               {"Date", 44, Align::Left},
                               {"Quantity Reconciled", 72, Align::Right},
                               {"Amount Reconciled", 72, Align::Right}});
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(reconciliation_);
    return tab;
}

QWidget* UpdatePOMasterView::buildAttachmentsTab() {
    auto* tab = new QWidget(this);
    attachmentsModel_ = new TableModel;
    attachments_ = newList(tab, attachmentsModel_, {{"Description", 200, Align::Left}, {"Type", 40, Align::Left}});
    connect(attachments_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showPreview(); });
    preview_ = new AttachmentPreview(tab);
    auto* insert = addButton(QStringLiteral("Attachments:&Insert"), QStringLiteral("&Insert"), [this] {
        if (form_.insertAttachments()) showAttachments(attachmentsModel_->rowCount());
    });
    auto* change = addButton(QStringLiteral("Attachments:&Change"), QStringLiteral("&Change"),
                             [this] { form_.changeAttachments(); });
    auto* remove = addButton(QStringLiteral("Attachments:&Delete"), QStringLiteral("&Delete"),
                             [this] { form_.changeAttachments(); });
    auto* listAndPreview = new QHBoxLayout;
    listAndPreview->addWidget(attachments_, 1);
    listAndPreview->addWidget(preview_, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(new QLabel(QStringLiteral("Use the Insert button or Drag files from Explorer"), tab));
    layout->addLayout(listAndPreview, 1);
    layout->addLayout(buttonRow({insert, change, remove}));
    return tab;
}

QWidget* UpdatePOMasterView::buildNotesTab() {
    auto* tab = new QWidget(this);
    notesModel_ = new TableModel;
    notes_ = newList(tab, notesModel_,
                     {{"", 10, Align::Center},
                      {"Date", 44, Align::Left},
                      {"Heading", 80, Align::Left},
                      {"Note", 255, Align::Left}});
    connect(notes_, &QTableView::clicked, this, [this](const QModelIndex& i) {
        if (i.column() == 0) tagNote(i.row(), -1);
    });
    auto notesOf = [this] {
        return services::UpdateNotes(form_.session(), "POMaster", std::to_string(form_.header().POID));
    };
    auto* insert = addButton(QStringLiteral("Notes:&Insert"), QStringLiteral("&Insert"), [this, notesOf] {
        auto notes = notesOf();
        NoteForm f(QStringLiteral("Adding a Note"), notes.newDraft(), this);
        if (f.exec() == QDialog::Accepted) notes.insert(f.draft());
    });
    auto* change = addButton(QStringLiteral("Notes:&Change"), QStringLiteral("&Change"), [this, notesOf] {
        auto notes = notesOf();
        const int row = currentRow(notes_);
        if (row < 0 || row >= notes.rowCount()) return;
        NoteForm f(QStringLiteral("Changing a Note"), notes.draftOf(row), this);
        if (f.exec() == QDialog::Accepted) notes.change(row, f.draft());
    });
    auto* remove = addButton(QStringLiteral("Notes:&Delete"), QStringLiteral("&Delete"), [this, notesOf] {
        auto notes = notesOf();
        const int row = currentRow(notes_);
        if (row >= 0 && row < notes.rowCount()) notes.remove(row);
    });
    auto* tag = addButton(QStringLiteral("&Tag"), QStringLiteral("&Tag"), [this] { tagNote(currentRow(notes_), 1); });
    auto* untagAll = addButton(QStringLiteral("&Untag all"), QStringLiteral("&Untag all"), [this] { tagNote(-1, 0); });
    auto* tagAll = addButton(QStringLiteral("Tag &all"), QStringLiteral("Tag &all"), [this] { tagNote(-1, 1); });
    auto* print = addButton(QStringLiteral("Notes:&Print"), QStringLiteral("&Print"), [this] { form_.printNotes(); });
    auto* send = addButton(QStringLiteral("Send List Contents to ..."), QStringLiteral("Send List Contents to ..."),
                           [this] { form_.sendNotes(); });
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(notes_, 1);
    layout->addLayout(buttonRow({insert, change, remove, tag, untagAll, tagAll, print, send}));
    return tab;
}

void UpdatePOMasterView::tagNote(int row, int how) {
    if (row < 0 && how >= 0) {
        if (how == 0) taggedNotes_.clear();
        else
            for (ULong id : noteIds_) taggedNotes_.insert(id);
    } else if (row >= 0 && row < static_cast<int>(noteIds_.size())) {
        const ULong id = noteIds_[static_cast<std::size_t>(row)];
        if (how == 1 || (how == -1 && !taggedNotes_.contains(id))) taggedNotes_.insert(id);
        else taggedNotes_.remove(id);
    }
    showNotes();
}

void UpdatePOMasterView::showLines() {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(form_.rows().size());
    // The pictures pad their figures; the list aligns them itself.
    for (const ent::LineRow& r : form_.rows())
        rows.push_back({r.id, r.description, pic::clip(r.quantity), pic::clip(r.unitPrice), pic::clip(r.total)});
    linesModel_->setRows(rows);
    fitColumns(lines_, linesModel_);
    selectRow(lines_, form_.highlighted());
    const bool editable = form_.linesEditable();
    const bool any = !form_.rows().empty();
    buttons_.value(QStringLiteral("Lines:&Insert"))->setEnabled(editable);
    buttons_.value(QStringLiteral("Lines:&Change"))->setEnabled(editable && any);
    buttons_.value(QStringLiteral("Lines:&Delete"))->setEnabled(editable && any);
    for (const char* name : {"MoveToTop", "MoveUp", "MoveDown", "MoveToBottom"})
        linesTab_->findChild<QToolButton*>(QString::fromLatin1(name))->setEnabled(editable && form_.rows().size() > 1);
}

void UpdatePOMasterView::showTabs() {
    const bool invoices = form_.reconciliationTabVisible();
    if (invoices) {
        std::vector<std::vector<std::string>> rows;
        for (const auto& r : form_.reconciliationRows())
            rows.push_back({r.invoiceNo, pic::clip(r.date), pic::clip(r.quantity), pic::clip(r.amount)});
        reconciliationModel_->setRows(rows);
        fitColumns(reconciliation_, reconciliationModel_);
    }
    tabs_->setTabVisible(tabs_->indexOf(reconciliationTab_), invoices);
    showAttachments(currentRow(attachments_));
    showNotes();
    // An order that can be changed shows its Notes tab even before its first
    // note, or no note could ever be added from here.
    tabs_->setTabVisible(tabs_->indexOf(notesTab_), form_.notesTabVisible() || !form_.readOnly());
}

void UpdatePOMasterView::showAttachments(int selectRowNo) {
    services::UpdateImages images(form_.session(), "POMaster", form_.header().POID);
    shownImages_.clear();
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < images.rowCount(); ++i) {
        shownImages_.push_back(images.image(i));
        rows.push_back({images.image(i).Caption.clip(), images.image(i).ImageType.clip()});
    }
    attachmentsModel_->setRows(rows);
    fitColumns(attachments_, attachmentsModel_);
    const bool any = !rows.empty();
    // With nothing attached the list takes the preview's room.
    preview_->setVisible(any);
    const bool editable = !form_.readOnly();
    buttons_.value(QStringLiteral("Attachments:&Insert"))->setEnabled(editable);
    buttons_.value(QStringLiteral("Attachments:&Change"))->setEnabled(editable && any);
    buttons_.value(QStringLiteral("Attachments:&Delete"))->setEnabled(editable && any);
    if (any) selectRow(attachments_, std::clamp(selectRowNo, 0, static_cast<int>(rows.size()) - 1));
    showPreview();
}

void UpdatePOMasterView::showPreview() {
    // From the list as last read: selecting a row reads nothing again.
    const int row = currentRow(attachments_);
    if (row < 0 || row >= static_cast<int>(shownImages_.size())) {
        preview_->clear();
        return;
    }
    preview_->showAttachment(shownImages_[static_cast<std::size_t>(row)], form_.session().dataFolder);
}

void UpdatePOMasterView::showNotes() {
    services::UpdateNotes notes(form_.session(), "POMaster", std::to_string(form_.header().POID));
    const auto cells = notes.rows();
    noteIds_.clear();
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < notes.rowCount(); ++i) {
        const ULong id = notes.note(i).NoteID;
        noteIds_.push_back(id);
        std::vector<std::string> r{taggedNotes_.contains(id) ? "\xE2\x9C\x93" : ""};
        const auto& c = cells[static_cast<std::size_t>(i)];
        r.insert(r.end(), c.begin(), c.end());
        rows.push_back(std::move(r));
    }
    const int keep = currentRow(notes_);
    notesModel_->setRows(rows);
    fitColumns(notes_, notesModel_);
    selectRow(notes_, std::min(keep < 0 ? 0 : keep, static_cast<int>(rows.size()) - 1));
    const bool editable = !form_.readOnly();
    const bool any = !rows.empty();
    buttons_.value(QStringLiteral("Notes:&Insert"))->setEnabled(editable);
    buttons_.value(QStringLiteral("Notes:&Change"))->setEnabled(editable && any);
    buttons_.value(QStringLiteral("Notes:&Delete"))->setEnabled(editable && any);
    for (const char* b : {"&Tag", "&Untag all", "Tag &all", "Notes:&Print", "Send List Contents to ..."})
        buttons_.value(QString::fromLatin1(b))->setEnabled(any);
}

}  // namespace vtl::gui
