#include "exportcatalogdlg.h"

#include "catalog/ordodoc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

CExportCatalogDlg::CExportCatalogDlg(COrdoDoc *doc, QWidget *parent) : QDialog(parent), m_doc(doc)
{
    setWindowTitle(tr("Export Catalogue"));
    auto *books = new QGroupBox(tr("Books"));
    m_whole = new QRadioButton(tr("The &whole catalogue"));
    m_whole->setObjectName(QStringLiteral("radioWhole"));
    m_category = new QRadioButton(tr("The current &category"));
    m_category->setObjectName(QStringLiteral("radioCategory"));
    m_subCategories = new QCheckBox(tr("with its &sub-categories"));
    m_subCategories->setObjectName(QStringLiteral("checkSubCategories"));
    m_subCategories->setChecked(true);
    m_selection = new QRadioButton(tr("The s&elected books"));
    m_selection->setObjectName(QStringLiteral("radioSelection"));
    m_whole->setChecked(true);

    const CategoryId current = doc ? doc->currentCategory() : -1;
    m_category->setEnabled(current > 0);
    m_subCategories->setEnabled(false);
    connect(m_category, &QRadioButton::toggled, m_subCategories, &QCheckBox::setEnabled);
    m_selection->setEnabled(doc && !doc->selectedBooks().isEmpty());

    auto *bookLayout = new QVBoxLayout(books);
    bookLayout->addWidget(m_whole);
    bookLayout->addWidget(m_category);
    auto *sub = new QHBoxLayout;
    sub->addSpacing(24);
    sub->addWidget(m_subCategories);
    bookLayout->addLayout(sub);
    bookLayout->addWidget(m_selection);

    m_format = new QComboBox;
    m_format->setObjectName(QStringLiteral("comboFormat"));
    m_format->addItem(tr("CSV for spreadsheets (UTF-8)"), int(CCatalogExporter::Csv));
    m_format->addItem(tr("Tellico collection with covers (.tc)"), int(CCatalogExporter::Tellico));
    m_format->addItem(tr("Book XML (as Save As XML)"), int(CCatalogExporter::BookXml));
    auto *form = new QFormLayout;
    form->addRow(tr("&Format:"), m_format);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(books);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

CExportScope CExportCatalogDlg::scope() const
{
    CExportScope scope;
    if (m_category->isChecked() && m_doc) {
        scope.kind = CExportScope::Category;
        scope.categoryId = m_doc->currentCategory();
        scope.subCategories = m_subCategories->isChecked();
    } else if (m_selection->isChecked() && m_doc) {
        scope.kind = CExportScope::Selection;
        scope.bookIds = m_doc->selectedBooks();
    }
    return scope;
}

CCatalogExporter::Format CExportCatalogDlg::format() const
{
    return CCatalogExporter::Format(m_format->currentData().toInt());
}

void CExportCatalogDlg::setFormat(CCatalogExporter::Format format)
{
    m_format->setCurrentIndex(m_format->findData(int(format)));
}

QString CExportCatalogDlg::filterOf(CCatalogExporter::Format format)
{
    switch (format) {
    case CCatalogExporter::Csv:
        return tr("CSV Files (*.csv)");
    case CCatalogExporter::Tellico:
        return tr("Tellico Collections (*.tc)");
    case CCatalogExporter::BookXml:
        break;
    }
    return tr("XML Files (*.xml)");
}

QString CExportCatalogDlg::suffixOf(CCatalogExporter::Format format)
{
    switch (format) {
    case CCatalogExporter::Csv:
        return QStringLiteral("csv");
    case CCatalogExporter::Tellico:
        return QStringLiteral("tc");
    case CCatalogExporter::BookXml:
        break;
    }
    return QStringLiteral("xml");
}
