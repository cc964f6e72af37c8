#include "gui/setup/record_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/help.h"
#include "gui/host/window_places.h"
#include "gui/qt_text.h"
#include "gui/setup/field_entry.h"
#include "gui/table_model.h"
#include "platform/suite/error_object.h"
#include "platform/suite/session.h"

namespace vtl::setup {
namespace {

using gui::qs;
using gui::ss;

// Room for `chars` characters of the widget's font, and the frame around them.
int charsWide(const QWidget* w, int chars) {
    return w->fontMetrics().averageCharWidth() * chars + 16;
}

}  // namespace

FormRunner execForm() {
    return [](RecordForm& f) { f.exec(); };
}

RecordForm::RecordForm(RecordEditor& editor, Session& session, FormRunner runner, QWidget* parent)
    : QDialog(parent), editor_(editor), session_(session), runner_(std::move(runner)) {
    const FileSpec& spec = editor_.spec();
    setWindowTitle(qs(editor_.title()));
    setObjectName(qs("form_" + spec.type->info().name));

    auto* fields = new QFormLayout;
    fields->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    fields->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (const FieldSpec* f : editor_.entries()) {
        QWidget* w = makeEntry(*f);
        entries_[f->field] = w;
        // A check box carries its own caption, in the place the caption map gives it.
        if (f->flags & Flag) {
            fields->addRow(QString(), w);
        } else {
            auto* label = new QLabel(qs(f->caption), this);
            label->setBuddy(w);
            fields->addRow(label, w);
        }
    }

    auto* top = new QHBoxLayout;
    top->addLayout(fields);
    top->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    for (int i = 0; i < static_cast<int>(editor_.children().size()); ++i) layout->addWidget(makeChildList(i), 1);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    ok_->setObjectName("ok");
    cancel_->setObjectName("cancel");
    ok_->setDefault(true);
    if (!spec.helpTopic.empty()) {
        QPushButton* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
        help->setObjectName("help");
        const std::string topic = spec.helpTopic;
        connect(help, &QPushButton::clicked, this,
                [this, topic] { gui::openHelp(session_.ui, session_.installFolder, topic); });
        gui::bindHelpKey(this, session_.ui, session_.installFolder, topic);
    }
    connect(ok_, &QPushButton::clicked, this, &RecordForm::save);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);

    host::keepPlace(this, session_.settings, "Form " + spec.title);
}

QWidget* RecordForm::makeEntry(const FieldSpec& f) {
    QWidget* w = nullptr;
    const bool editable = editor_.editable(f);
    if (f.flags & Flag) {
        auto* box = new QCheckBox(qs(f.caption), this);
        box->setChecked(editor_.flag(f));
        box->setEnabled(editable);
        connect(box, &QCheckBox::toggled, this, [this, &f](bool on) { editor_.setFlag(f, on); });
        w = box;
    } else if (f.flags & Memo) {
        auto* memo = new QPlainTextEdit(this);
        memo->setPlainText(qs(editor_.text(f)));
        memo->setReadOnly(!editable);
        memo->setTabChangesFocus(true);
        memo->setFixedSize(charsWide(memo, 60), memo->fontMetrics().lineSpacing() * 6 + 12);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        w = memo;
    } else {
        auto* line = new QLineEdit(this);
        const int width = editor_.width(f);
        line->setMaxLength(width);
        line->setText(qs(editor_.text(f)));
        line->setReadOnly(!editable);
        if (!editable) {
            // Shown on the window's colour, so nobody tries to type into it.
            QPalette p = line->palette();
            p.setColor(QPalette::Base, p.color(QPalette::Window));
            line->setPalette(p);
            line->setFocusPolicy(Qt::ClickFocus);
            line->setToolTip(qs(editor_.lockedBecause(f)));
        }
        const auto& def = editor_.spec().def(f);
        if (isNumeric(def)) line->setAlignment(Qt::AlignRight);
        if (def.kind == store::FieldKind::Date) line->setPlaceholderText(QStringLiteral("m/dd/yyyy"));
        line->setFixedWidth(charsWide(line, std::min(std::max(width, 4), 50)));
        connect(line, &QLineEdit::editingFinished, this, [this, &f] {
            if (!showing_) take(f, false);
        });
        w = line;
    }
    w->setObjectName(qs(f.field));
    return w;
}

QWidget* RecordForm::makeChildList(int list) {
    const ChildRows& rows = editor_.children()[static_cast<std::size_t>(list)];
    const FileSpec& child = *rows.spec->file;
    const std::string name = child.type->info().name;
    auto* box = new QGroupBox(qs(rows.spec->caption), this);
    ChildList c;
    c.view = new QTableView(box);
    c.view->setObjectName(qs("list_" + name));
    c.model = new gui::TableModel(c.view);
    c.model->setColumns(listColumns(child));
    gui::setUpList(c.view, c.model);
    c.view->horizontalHeader()->setStretchLastSection(true);
    c.view->setMinimumHeight(c.view->fontMetrics().lineSpacing() * 7);
    int wide = 0;
    for (int i = 0; i < c.model->columnCount(); ++i) wide += c.view->columnWidth(i);
    c.view->setMinimumWidth(wide + c.view->verticalScrollBar()->sizeHint().width() + 4);
    c.insert = new QPushButton(QStringLiteral("&Insert"), box);
    c.change = new QPushButton(QStringLiteral("C&hange"), box);
    c.remove = new QPushButton(QStringLiteral("&Delete"), box);
    c.insert->setObjectName(qs("insert_" + name));
    c.change->setObjectName(qs("change_" + name));
    c.remove->setObjectName(qs("delete_" + name));
    for (QPushButton* b : {c.insert, c.change, c.remove}) b->setAutoDefault(false);
    connect(c.insert, &QPushButton::clicked, this, [this, list] { insertChild(list); });
    connect(c.change, &QPushButton::clicked, this, [this, list] { changeChild(list); });
    connect(c.remove, &QPushButton::clicked, this, [this, list] { deleteChild(list); });
    connect(c.view, &QTableView::doubleClicked, this, [this, list] { changeChild(list); });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(c.insert);
    buttons->addWidget(c.change);
    buttons->addWidget(c.remove);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(c.view, 1);
    layout->addLayout(buttons);
    lists_.push_back(c);
    refreshChildren(list);
    return box;
}

QWidget* RecordForm::entry(const std::string& field) const {
    auto it = entries_.find(field);
    return it == entries_.end() ? nullptr : it->second;
}

bool RecordForm::take(const FieldSpec& f, bool tell) {
    QWidget* w = entry(f.field);
    if (!w || (f.flags & Flag) || !editor_.editable(f)) return true;
    QString typed;
    if (auto* line = qobject_cast<QLineEdit*>(w)) typed = line->text();
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) typed = memo->toPlainText();
    if (auto p = editor_.setText(f, ss(typed))) {
        mark(w, p->text);
        if (tell) showProblem(*p);
        return false;
    }
    mark(w, {});
    refresh(f);
    return true;
}

void RecordForm::mark(QWidget* w, const std::string& problem) {
    QPalette p = w->palette();
    p.setColor(QPalette::Text, problem.empty() ? QApplication::palette(w).color(QPalette::Text) : QColor(0xB0, 0, 0));
    w->setPalette(p);
    w->setToolTip(qs(problem));
}

void RecordForm::refresh(const FieldSpec& f) {
    QWidget* w = entry(f.field);
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        const QString now = qs(editor_.text(f));
        if (line->text() != now) line->setText(now);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        const QString now = qs(editor_.text(f));
        if (memo->toPlainText() != now) memo->setPlainText(now);
    } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
        box->setChecked(editor_.flag(f));
    }
}

void RecordForm::showProblem(const Problem& p) {
    showing_ = true;
    if (p.writeFailed) {
        suite::ProcedureName name(session_.errors, editor_.title());
        session_.errors.report(p.text);
    } else {
        session_.ui.tell(p.text, editor_.title(), ui::Icon::Exclamation);
    }
    showing_ = false;
    if (QWidget* w = entry(p.field)) {
        w->setFocus();
        if (auto* line = qobject_cast<QLineEdit*>(w)) line->selectAll();
    }
}

void RecordForm::save() {
    for (const FieldSpec* f : editor_.entries())
        if (!take(*f, true)) return;
    if (auto p = editor_.save()) {
        showProblem(*p);
        for (const FieldSpec* f : editor_.entries()) refresh(*f);
        return;
    }
    accept();
}

void RecordForm::refreshChildren(int list) {
    ChildList& c = lists_.at(static_cast<std::size_t>(list));
    const int n = static_cast<int>(editor_.children()[static_cast<std::size_t>(list)].rows.size());
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < n; ++r) rows.push_back(editor_.childCells(list, r));
    c.model->setRows(rows);
    c.change->setEnabled(n > 0);
    c.remove->setEnabled(n > 0);
}

void RecordForm::editChild(int list, int row) {
    RecordEditor child(editor_, list, row);
    RecordForm form(child, session_, runner_, this);
    runner_(form);
    if (!child.saved()) return;
    refreshChildren(list);
    QTableView* view = childList(list);
    const int at = row >= 0 ? row : view->model()->rowCount() - 1;
    view->selectRow(at);
}

void RecordForm::insertChild(int list) { editChild(list, -1); }

void RecordForm::changeChild(int list) {
    const int row = childList(list)->currentIndex().row();
    if (row >= 0) editChild(list, row);
}

void RecordForm::deleteChild(int list) {
    QTableView* view = childList(list);
    const int row = view->currentIndex().row();
    if (row < 0) return;
    editor_.removeChild(list, row);
    refreshChildren(list);
    const int left = view->model()->rowCount();
    if (left > 0) view->selectRow(std::min(row, left - 1));
}

}  // namespace vtl::setup
