#include "gui/imp/update_po_master_import_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/bound_method.h"
#include "gui/qt_text.h"

namespace vtl::gui {

using imp::Part;

UpdatePOMasterImportView::UpdatePOMasterImportView(imp::UpdatePOMasterImport& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    setWindowTitle(qs(form_.caption()));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QFormLayout;
    name_ = new QLineEdit(this);
    name_->setMaxLength(40);
    name_->setToolTip(QStringLiteral("Assign a Title to This Set of Limits"));
    top->addRow(QStringLiteral("Source Name"), name_);
    layout->addLayout(top);

    auto* choices = new QHBoxLayout;
    auto* type = new QGroupBox(QStringLiteral("Import File Type"), this);
    auto* typeLayout = new QVBoxLayout(type);
    twoFiles_ = new QRadioButton(QStringLiteral("Two Separate Files"), type);
    oneFile_ = new QRadioButton(QStringLiteral("One File"), type);
    typeLayout->addWidget(twoFiles_);
    typeLayout->addWidget(oneFile_);
    auto* format = new QGroupBox(QStringLiteral("Import File Format"), this);
    auto* formatLayout = new QVBoxLayout(format);
    comma_ = new QRadioButton(QStringLiteral("Comma Delimited"), format);
    tab_ = new QRadioButton(QStringLiteral("Tab Delimited"), format);
    fixed_ = new QRadioButton(QStringLiteral("Fixed Position"), format);
    for (auto* r : {comma_, tab_, fixed_}) formatLayout->addWidget(r);
    auto* dateBox = new QGroupBox(QStringLiteral("Date Field Format"), this);
    auto* dateLayout = new QVBoxLayout(dateBox);
    dates_ = new QComboBox(dateBox);
    for (const auto& f : imp::dateFormats()) dates_->addItem(qs(f));
    dateLayout->addWidget(dates_);
    dateLayout->addStretch();
    choices->addWidget(type);
    choices->addWidget(format);
    choices->addWidget(dateBox);
    layout->addLayout(choices);

    tabs_ = new QTabWidget(this);
    tabs_->addTab(listTab(Part::Header, header_), QStringLiteral("Purchase Order Header File"));
    tabs_->addTab(listTab(Part::Detail, detail_), QStringLiteral("Purchase Order Detail File"));
    layout->addWidget(tabs_, 1);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    ok->setDefault(true);
    buttons->addStretch();
    for (auto* b : {ok, cancel, help}) buttons->addWidget(b);
    layout->addLayout(buttons);

    connect(name_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.setTitle(ss(t)); });
    connect(twoFiles_, &QRadioButton::clicked, this, [this] {
        form_.setOneFile(false);
        refresh();
    });
    connect(oneFile_, &QRadioButton::clicked, this, [this] {
        form_.setOneFile(true);
        refresh();
    });
    const std::pair<QRadioButton*, imp::FileFormat> formats[] = {
        {comma_, imp::FileFormat::Comma}, {tab_, imp::FileFormat::Tab}, {fixed_, imp::FileFormat::Fixed}};
    for (auto [button, f] : formats)
        connect(button, &QRadioButton::clicked, this, [this, f = f] {
            form_.setFormat(f);
            refresh();
        });
    connect(dates_, &QComboBox::activated, this, [this](int i) {
        form_.setDateFormat(ss(dates_->itemText(i)));
        refresh();
    });
    connect(ok, &QPushButton::clicked, this, &UpdatePOMasterImportView::accept);
    connect(cancel, &QPushButton::clicked, this, &UpdatePOMasterImportView::reject);
    connect(help, &QPushButton::clicked, this, [this] { form_.help(); });
    resize(760, 560);
    refresh();
}

QWidget* UpdatePOMasterImportView::listTab(Part part, ListControls& c) {
    auto* page = new QWidget(this);
    auto* v = new QVBoxLayout(page);
    auto* fileRow = new QHBoxLayout;
    c.fileLabel = new QLabel(QStringLiteral("Import File Name"), page);
    fileRow->addWidget(c.fileLabel);
    c.file = new QLineEdit(page);
    c.file->setMaxLength(200);
    c.browse = new QPushButton(QStringLiteral("..."), page);
    c.browse->setFixedWidth(c.browse->fontMetrics().averageCharWidth() * 5);
    fileRow->addWidget(c.file, 1);
    fileRow->addWidget(c.browse);
    v->addLayout(fileRow);
    c.titleLine = new QCheckBox(QStringLiteral("File includes header record"), page);
    v->addWidget(c.titleLine);
    auto* h = new QHBoxLayout;
    c.list = new QTableWidget(page);
    c.list->setSelectionBehavior(QAbstractItemView::SelectRows);
    c.list->setSelectionMode(QAbstractItemView::SingleSelection);
    c.list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.list->verticalHeader()->hide();
    c.list->verticalHeader()->setDefaultSectionSize(c.list->fontMetrics().height() + 6);
    c.list->horizontalHeader()->setStretchLastSection(true);
    h->addWidget(c.list, 1);
    auto* side = new QVBoxLayout;
    using Action = void (imp::UpdatePOMasterImport::*)(Part);
    const std::pair<const char*, Action> actions[] = {
        {"&Insert", &imp::UpdatePOMasterImport::insertItem},   {"&Change", &imp::UpdatePOMasterImport::changeItem},
        {"&Delete", &imp::UpdatePOMasterImport::deleteItem},   {"To Bottom", &imp::UpdatePOMasterImport::moveToBottom},
        {"Up", &imp::UpdatePOMasterImport::moveUp},            {"Down", &imp::UpdatePOMasterImport::moveDown},
        {"To Top", &imp::UpdatePOMasterImport::moveToTop}};
    for (auto [caption, action] : actions) {
        auto* b = new QPushButton(QString::fromLatin1(caption), page);
        auto call = boundMethod(form_, action);
        connect(b, &QPushButton::clicked, this, [this, call, part] {
            call(part);
            refresh();
        });
        side->addWidget(b);
        c.buttons.push_back(b);
    }
    side->addStretch();
    h->addLayout(side);
    v->addLayout(h, 1);

    connect(c.list, &QTableWidget::currentCellChanged, this, [this, part](int row) {
        if (row >= 0) form_.highlight(part, row);
    });
    connect(c.list, &QTableWidget::cellDoubleClicked, this, [this, part] {
        form_.changeItem(part);
        refresh();
    });
    connect(c.file, &QLineEdit::textEdited, this, [this, part](const QString& t) {
        if (part == Part::Header) form_.setHeaderFile(ss(t));
        else form_.setDetailFile(ss(t));
    });
    connect(c.browse, &QPushButton::clicked, this, [this, part] {
        if (part == Part::Header) form_.browseHeaderFile();
        else form_.browseDetailFile();
        refresh();
    });
    connect(c.titleLine, &QCheckBox::toggled, this, [this, part](bool on) {
        if (part == Part::Header) form_.setHeaderTitleLine(on);
        else form_.setDetailTitleLine(on);
    });
    return page;
}

void UpdatePOMasterImportView::refreshList(Part part, ListControls& c) {
    const QSignalBlocker block(c.list);
    const bool lengths = form_.lengthsShown();
    QStringList headers{QStringLiteral("Field #"), QStringLiteral("Field Contents")};
    if (lengths) headers << QStringLiteral("Length") << QStringLiteral("Start Position");
    c.list->setColumnCount(static_cast<int>(headers.size()));
    c.list->setHorizontalHeaderLabels(headers);
    const auto& items = form_.items(part);
    c.list->setRowCount(static_cast<int>(items.size()));
    for (int r = 0; r < static_cast<int>(items.size()); ++r) {
        const imp::ImportItem& i = items[static_cast<std::size_t>(r)];
        QStringList cells{QString::number(i.number), qs(i.contents)};
        if (lengths) cells << QString::number(i.length) << QString::number(i.start);
        for (int col = 0; col < cells.size(); ++col) {
            auto* cell = new QTableWidgetItem(cells[col]);
            if (col != 1) cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            c.list->setItem(r, col, cell);
        }
    }
    c.list->setColumnWidth(0, c.list->fontMetrics().averageCharWidth() * 8);
    c.list->setColumnWidth(1, c.list->fontMetrics().averageCharWidth() * 26);
    if (form_.highlighted(part) >= 0) c.list->selectRow(form_.highlighted(part));
    const bool editable = !form_.locked() && !form_.viewOnly();
    c.list->setEnabled(editable);
    for (auto* b : c.buttons) b->setEnabled(editable);
    const QSignalBlocker blockFile(c.file);
    c.file->setText(qs(part == Part::Header ? form_.headerFile() : form_.detailFile()));
    const QSignalBlocker blockCheck(c.titleLine);
    c.titleLine->setChecked(part == Part::Header ? form_.headerTitleLine() : form_.detailTitleLine());
    const bool shown = part == Part::Header || form_.detailFileShown();
    for (QWidget* w : {c.fileLabel, static_cast<QWidget*>(c.file), static_cast<QWidget*>(c.browse),
                       static_cast<QWidget*>(c.titleLine)})
        w->setVisible(shown);
    c.file->setReadOnly(form_.viewOnly());
}

void UpdatePOMasterImportView::refresh() {
    const bool editable = !form_.locked() && !form_.viewOnly();
    if (name_->text() != qs(form_.title())) name_->setText(qs(form_.title()));
    name_->setEnabled(editable);
    twoFiles_->setChecked(!form_.oneFile());
    oneFile_->setChecked(form_.oneFile());
    comma_->setChecked(form_.format() == imp::FileFormat::Comma);
    tab_->setChecked(form_.format() == imp::FileFormat::Tab);
    fixed_->setChecked(form_.format() == imp::FileFormat::Fixed);
    dates_->setCurrentText(qs(form_.dateFormat()));
    for (QWidget* w : std::initializer_list<QWidget*>{twoFiles_, oneFile_, comma_, tab_, fixed_, dates_})
        w->setEnabled(editable);
    refreshList(Part::Header, header_);
    refreshList(Part::Detail, detail_);
    if (form_.focusOnName()) name_->setFocus();
}

void UpdatePOMasterImportView::accept() {
    if (form_.ok()) QDialog::accept();
    else refresh();
}

void UpdatePOMasterImportView::reject() {
    form_.cancel();
    QDialog::reject();
}

ImportItemEditorView::ImportItemEditorView(imp::ImportItemEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setWindowTitle(QString::fromLatin1(imp::ImportItemEditor::kTitle));
    auto* form = new QFormLayout;
    contents_ = new QComboBox(this);
    for (const auto& c : editor_.choices()) contents_->addItem(qs(c));
    const int at = contents_->findText(qs(editor_.contents()));
    if (at >= 0) contents_->setCurrentIndex(at);
    else {
        contents_->insertItem(0, qs(editor_.contents()));
        contents_->setCurrentIndex(0);
    }
    form->addRow(QStringLiteral("Contents of Field"), contents_);
    length_ = new QSpinBox(this);
    length_->setRange(0, imp::kMaxWidth);
    length_->setValue(editor_.length());
    form->addRow(QStringLiteral("Field Length"), length_);
    length_->setVisible(editor_.lengthShown());
    form->labelForField(length_)->setVisible(editor_.lengthShown());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    ok->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &ImportItemEditorView::accept);
    connect(cancel, &QPushButton::clicked, this, &ImportItemEditorView::reject);
}

void ImportItemEditorView::accept() {
    editor_.setContents(ss(contents_->currentText()));
    editor_.setLength(length_->value());
    editor_.ok();
    QDialog::accept();
}

void ImportItemEditorView::reject() {
    editor_.cancel();
    QDialog::reject();
}

}  // namespace vtl::gui
