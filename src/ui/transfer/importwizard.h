#pragma once

#include "transfer/bookimporter.h"
#include "transfer/importfield.h"
#include "transfer/importtable.h"

#include <QWizard>

class COrdoDoc;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

// File > Import...: choose a file (its format is found by itself), map its
// columns to book fields, choose where the books go and what becomes of
// duplicates, look at the first books, then Finish. The import itself is the
// caller's (CTransferCommands), run with the choices made here.
class CImportWizard : public QWizard
{
    Q_OBJECT

public:
    enum { PageFile, PageColumns, PageTarget, PagePreview };

    CImportWizard(COrdoDoc *doc, QWidget *parent = nullptr);

    // Reads path as the chosen file (also what the file page's Next does).
    // False after showing why the file cannot be imported.
    bool loadFile(const QString &path);

    const CImportTable &table() const { return m_table; }
    ImportMapping mapping() const;
    void setMapping(int column, ImportField field);
    CImportOptions options() const;
    bool lookUpOnline() const;

    // The preview table's rows (for tests): title, author, ISBN, categories,
    // then "OK" or the reason the row is refused.
    QTableWidget *previewTable() const { return m_preview; }

protected:
    void initializePage(int id) override;
    bool validateCurrentPage() override;

private:
    QWizardPage *makeFilePage();
    QWizardPage *makeColumnsPage();
    QWizardPage *makeTargetPage();
    QWizardPage *makePreviewPage();
    void fillColumns();
    void fillCategories();
    void fillPreview();

    COrdoDoc *m_doc = nullptr;
    CImportTable m_table;
    QString m_loadedPath;
    QLineEdit *m_path = nullptr;
    QLabel *m_fileInfo = nullptr;
    QTableWidget *m_columns = nullptr;
    QComboBox *m_category = nullptr;
    QRadioButton *m_intoExisting = nullptr;
    QRadioButton *m_intoNew = nullptr;
    QLineEdit *m_newName = nullptr;
    QCheckBox *m_subCategories = nullptr;
    QRadioButton *m_skipDuplicates = nullptr;
    QRadioButton *m_updateDuplicates = nullptr;
    QCheckBox *m_lookUp = nullptr;
    QTableWidget *m_preview = nullptr;
};
