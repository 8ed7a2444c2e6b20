#pragma once

#include "transfer/catalogexporter.h"
#include "transfer/exportscope.h"

#include <QDialog>

class COrdoDoc;
class QCheckBox;
class QComboBox;
class QRadioButton;

// File > Export Catalogue...: which books (the whole catalogue, the current
// category with or without its sub-categories, or the selected books) and
// in which form (CSV, Tellico .tc with covers, book XML).
class CExportCatalogDlg : public QDialog
{
    Q_OBJECT

public:
    CExportCatalogDlg(COrdoDoc *doc, QWidget *parent = nullptr);

    CExportScope scope() const;
    CCatalogExporter::Format format() const;
    void setFormat(CCatalogExporter::Format format);

    // The save dialog's filter and default suffix of a format.
    static QString filterOf(CCatalogExporter::Format format);
    static QString suffixOf(CCatalogExporter::Format format);

private:
    COrdoDoc *m_doc = nullptr;
    QRadioButton *m_whole = nullptr;
    QRadioButton *m_category = nullptr;
    QCheckBox *m_subCategories = nullptr;
    QRadioButton *m_selection = nullptr;
    QComboBox *m_format = nullptr;
};
