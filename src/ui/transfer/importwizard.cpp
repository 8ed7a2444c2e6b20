#include "importwizard.h"

#include "app/messenger.h"
#include "app/strings.h"
#include "browse/categorycommands.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "transfer/categorypath.h"
#include "transfer/importreader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

void addCategories(QComboBox *combo, const QVector<CCategoryCommands::Node> &nodes, int depth)
{
    for (const CCategoryCommands::Node &n : nodes) {
        combo->addItem(QString(depth * 4, QLatin1Char(' ')) + n.name, qint64(n.catId));
        addCategories(combo, n.children, depth + 1);
    }
}

QString sampleOf(const CImportTable &table, int column)
{
    for (const QStringList &row : table.rows) {
        const QString v = row.value(column).trimmed();
        if (!v.isEmpty())
            return v.simplified().left(60);
    }
    return QString();
}

} // namespace

CImportWizard::CImportWizard(COrdoDoc *doc, QWidget *parent) : QWizard(parent), m_doc(doc)
{
    setWindowTitle(tr("Import Books"));
    setObjectName(QStringLiteral("importWizard"));
    setPage(PageFile, makeFilePage());
    setPage(PageColumns, makeColumnsPage());
    setPage(PageTarget, makeTargetPage());
    setPage(PagePreview, makePreviewPage());
    setButtonText(FinishButton, tr("&Import"));
    resize(760, 560);
}

QWizardPage *CImportWizard::makeFilePage()
{
    auto *page = new QWizardPage;
    page->setTitle(tr("Choose a file"));
    page->setSubTitle(tr("A spreadsheet saved as CSV or tab-separated text, a Goodreads or LibraryThing "
                         "export, or a Tellico collection (.tc or .xml)."));
    m_path = new QLineEdit;
    m_path->setObjectName(QStringLiteral("editPath"));
    m_path->setAccessibleName(tr("File to import"));
    auto *browse = new QPushButton(tr("B&rowse..."));
    browse->setObjectName(QStringLiteral("buttonBrowse"));
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path =
            QFileDialog::getOpenFileName(this, tr("Import Books"), m_path->text(),
                                         tr("Book lists (*.csv *.tsv *.txt *.tc *.xml);;All Files (*)"));
        if (!path.isEmpty())
            m_path->setText(path);
    });
    m_fileInfo = new QLabel;
    m_fileInfo->setObjectName(QStringLiteral("labelFileInfo"));
    m_fileInfo->setWordWrap(true);
    auto *row = new QHBoxLayout;
    row->addWidget(m_path, 1);
    row->addWidget(browse);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addWidget(m_fileInfo);
    layout->addStretch();
    return page;
}

QWizardPage *CImportWizard::makeColumnsPage()
{
    auto *page = new QWizardPage;
    page->setTitle(tr("Columns"));
    page->setSubTitle(tr("Choose the book field each column of the file goes into. The choice is "
                         "remembered for files of this kind."));
    m_columns = new QTableWidget(0, 3);
    m_columns->setObjectName(QStringLiteral("tableColumns"));
    m_columns->setHorizontalHeaderLabels({tr("Column"), tr("First value"), tr("Book field")});
    m_columns->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_columns->verticalHeader()->hide();
    m_columns->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_columns);
    return page;
}

QWizardPage *CImportWizard::makeTargetPage()
{
    auto *page = new QWizardPage;
    page->setTitle(tr("Where the books go"));
    m_intoExisting = new QRadioButton(tr("Into the &category"));
    m_intoExisting->setObjectName(QStringLiteral("radioExisting"));
    m_intoNew = new QRadioButton(tr("Into a ne&w category under it, named"));
    m_intoNew->setObjectName(QStringLiteral("radioNew"));
    m_intoExisting->setChecked(true);
    m_category = new QComboBox;
    m_category->setObjectName(QStringLiteral("comboCategory"));
    m_newName = new QLineEdit;
    m_newName->setObjectName(QStringLiteral("editNewCategory"));
    m_newName->setEnabled(false);
    connect(m_intoNew, &QRadioButton::toggled, m_newName, &QLineEdit::setEnabled);
    m_subCategories = new QCheckBox(tr("Shelves, tags and groups become &sub-categories"));
    m_subCategories->setObjectName(QStringLiteral("checkSubCategories"));
    m_subCategories->setChecked(true);
    m_skipDuplicates = new QRadioButton(tr("S&kip books already in the catalogue (same ISBN, or same title "
                                           "and author)"));
    m_skipDuplicates->setObjectName(QStringLiteral("radioSkip"));
    m_skipDuplicates->setChecked(true);
    m_updateDuplicates = new QRadioButton(tr("&Update them with the file's values"));
    m_updateDuplicates->setObjectName(QStringLiteral("radioUpdate"));
    m_lookUp = new QCheckBox(tr("&Look the ISBNs up online afterwards to fill empty fields and covers"));
    m_lookUp->setObjectName(QStringLiteral("checkLookUp"));

    auto *layout = new QVBoxLayout(page);
    auto *where = new QFormLayout;
    where->addRow(m_intoExisting, m_category);
    where->addRow(m_intoNew, m_newName);
    layout->addLayout(where);
    layout->addWidget(m_subCategories);
    layout->addSpacing(12);
    layout->addWidget(m_skipDuplicates);
    layout->addWidget(m_updateDuplicates);
    layout->addSpacing(12);
    layout->addWidget(m_lookUp);
    layout->addStretch();
    return page;
}

QWizardPage *CImportWizard::makePreviewPage()
{
    auto *page = new QWizardPage;
    page->setTitle(tr("Preview"));
    page->setSubTitle(tr("The first books of the file as they will be imported."));
    m_preview = new QTableWidget(0, 5);
    m_preview->setObjectName(QStringLiteral("tablePreview"));
    m_preview->setHorizontalHeaderLabels(
        {tr("Title"), tr("Author"), tr("ISBN"), tr("Categories"), tr("Status")});
    m_preview->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_preview->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
    m_preview->setWordWrap(false);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_preview);
    return page;
}

bool CImportWizard::loadFile(const QString &path)
{
    CImportTable table;
    QString error;
    if (!CImportReader::Read(path, table, error)) {
        m_fileInfo->setText(error);
        messenger().showMessage(error, IMessenger::Icon::Warning);
        return false;
    }
    m_table = std::move(table);
    m_loadedPath = path;
    m_path->setText(path);
    QString info =
        tr("%1, %n book(s)", nullptr, int(m_table.rows.size())).arg(ImportFormatName(m_table.format));
    if (!m_table.encoding.isEmpty())
        info += QLatin1String(", ") + m_table.encoding;
    m_fileInfo->setText(info);
    fillColumns();
    if (m_newName->text().isEmpty())
        m_newName->setText(QFileInfo(path).completeBaseName());
    return true;
}

void CImportWizard::fillColumns()
{
    const ImportMapping mapping = RememberedImportMapping(m_table);
    m_columns->setRowCount(int(m_table.columns.size()));
    for (int i = 0; i < m_table.columns.size(); ++i) {
        m_columns->setItem(i, 0, new QTableWidgetItem(m_table.columns.at(i)));
        m_columns->setItem(i, 1, new QTableWidgetItem(sampleOf(m_table, i)));
        auto *combo = new QComboBox;
        combo->addItem(ImportFieldLabel(ImportField::None), int(ImportField::None));
        for (ImportField f : AllImportFields())
            combo->addItem(ImportFieldLabel(f), int(f));
        combo->setCurrentIndex(combo->findData(int(mapping.value(i, ImportField::None))));
        m_columns->setCellWidget(i, 2, combo);
    }
    m_columns->resizeColumnToContents(0);
}

ImportMapping CImportWizard::mapping() const
{
    ImportMapping mapping;
    for (int i = 0; i < m_columns->rowCount(); ++i) {
        auto *combo = qobject_cast<QComboBox *>(m_columns->cellWidget(i, 2));
        mapping << (combo ? ImportField(combo->currentData().toInt()) : ImportField::None);
    }
    return mapping;
}

void CImportWizard::setMapping(int column, ImportField field)
{
    if (auto *combo = qobject_cast<QComboBox *>(m_columns->cellWidget(column, 2)))
        combo->setCurrentIndex(combo->findData(int(field)));
}

void CImportWizard::fillCategories()
{
    const CategoryId current = m_category->count() > 0 ? m_category->currentData().toLongLong()
                                                       : (m_doc ? m_doc->currentCategory() : 1);
    m_category->clear();
    QVector<CCategoryCommands::Node> tree;
    if (m_doc && m_doc->hasConnection())
        CCategoryCommands::LoadTree(*m_doc->connection(), tree);
    addCategories(m_category, tree, 0);
    const int index = m_category->findData(qint64(current));
    m_category->setCurrentIndex(index >= 0 ? index : 0);
}

CImportOptions CImportWizard::options() const
{
    CImportOptions options;
    options.targetCategory = m_category->count() > 0 ? m_category->currentData().toLongLong() : 1;
    if (m_intoNew->isChecked())
        options.newCategoryName = m_newName->text().trimmed();
    options.subCategories = m_subCategories->isChecked();
    options.updateDuplicates = m_updateDuplicates->isChecked();
    options.imagesFolder = ImagesFolder();
    return options;
}

bool CImportWizard::lookUpOnline() const
{
    return m_lookUp->isChecked();
}

void CImportWizard::fillPreview()
{
    if (!m_doc || !m_doc->hasConnection())
        return;
    CBookImporter importer(*m_doc->connection(), m_table, mapping(), options());
    const QVector<CImportedBook> books = importer.Preview(20);
    m_preview->setRowCount(int(books.size()));
    for (int r = 0; r < books.size(); ++r) {
        const CImportedBook &b = books.at(r);
        QStringList paths;
        for (const QStringList &p : b.categories)
            paths << p.join(QLatin1Char('/'));
        const QString status = !b.refusal.isEmpty()    ? b.refusal
                               : !b.problems.isEmpty() ? b.problems.join(QLatin1Char('\n'))
                                                       : tr("OK");
        const QStringList cells = {b.value(ImportField::Title), b.value(ImportField::Author),
                                   b.value(ImportField::ISBN), paths.join(QLatin1String("; ")), status};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells.at(c));
            item->setToolTip(cells.at(c));
            m_preview->setItem(r, c, item);
        }
        m_preview->setVerticalHeaderItem(r, new QTableWidgetItem(ImportRowLabel(m_table, b.row)));
    }
}

void CImportWizard::initializePage(int id)
{
    if (id == PageTarget)
        fillCategories();
    else if (id == PagePreview)
        fillPreview();
    QWizard::initializePage(id);
}

bool CImportWizard::validateCurrentPage()
{
    switch (currentId()) {
    case PageFile: {
        const QString path = m_path->text().trimmed();
        if (path.isEmpty())
            return false;
        return path == m_loadedPath || loadFile(path);
    }
    case PageColumns: {
        const ImportMapping m = mapping();
        if (!m.contains(ImportField::Title) && !m.contains(ImportField::ISBN)) {
            messenger().showMessage(tr("Choose the column that holds the title or the ISBN."),
                                    IMessenger::Icon::Warning);
            return false;
        }
        return true;
    }
    case PageTarget:
        if (m_intoNew->isChecked() && m_newName->text().trimmed().isEmpty()) {
            messenger().showMessage(LoadStr(IDS_CATEGORY_NAME_EMPTY), IMessenger::Icon::Warning);
            return false;
        }
        return true;
    default:
        return QWizard::validateCurrentPage();
    }
}
