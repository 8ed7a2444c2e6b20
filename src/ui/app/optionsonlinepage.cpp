#include "optionsonlinepage.h"
#include "ui_optionsonlinepage.h"

#include <QCheckBox>
#include <QThread>

namespace {

struct SourceEntry
{
    const char *name;
    const char *label;
    QCheckBox *Ui::COptionsOnlinePage::*fallbackBox;
};

const SourceEntry kSources[] = {
    {"OpenLibrary", QT_TRANSLATE_NOOP("COptionsOnlinePage", "Open Library"),
     &Ui::COptionsOnlinePage::checkFallbackOpenLibrary},
    {"GoogleBooks", QT_TRANSLATE_NOOP("COptionsOnlinePage", "Google Books"),
     &Ui::COptionsOnlinePage::checkFallbackGoogleBooks},
    {"LibraryOfCongress", QT_TRANSLATE_NOOP("COptionsOnlinePage", "Library of Congress"),
     &Ui::COptionsOnlinePage::checkFallbackLibraryOfCongress},
    {"Bookstore", QT_TRANSLATE_NOOP("COptionsOnlinePage", "Bookstore service"),
     &Ui::COptionsOnlinePage::checkFallbackBookstore},
};

} // namespace

COptionsOnlinePage::COptionsOnlinePage(QWidget *parent)
    : CPropertyPage(tr("Online"), parent), ui(std::make_unique<Ui::COptionsOnlinePage>()),
      m_settings(COnlineSettings::Load())
{
    ui->setupUi(this);
    for (const SourceEntry &source : kSources)
        ui->comboSource->addItem(tr(source.label), QString::fromLatin1(source.name));
    ui->comboIsbnForm->addItem(tr("ISBN-10 where there is one"), 10);
    ui->comboIsbnForm->addItem(tr("ISBN-13"), 13);
    ui->comboIsbnForm->addItem(tr("As entered"), 0);
    connect(ui->checkFallback, &QCheckBox::toggled, this, &COptionsOnlinePage::updateFallbackBoxes);
    connect(ui->buttonTestConnection, &QPushButton::clicked, this, &COptionsOnlinePage::testConnection);
}

COptionsOnlinePage::~COptionsOnlinePage()
{
    // A test still running is stopped at once: its thread refers to us.
    if (m_testThread) {
        m_testCancel.cancel();
        m_testThread->wait();
        delete m_testThread;
    }
}

void COptionsOnlinePage::DoDataExchange(bool saveAndValidate)
{
    if (saveAndValidate) {
        readControls(m_settings);
        return;
    }
    const int source = ui->comboSource->findData(m_settings.source);
    ui->comboSource->setCurrentIndex(source >= 0 ? source : 0);
    ui->editGoogleBooksKey->setText(m_settings.googleBooksKey);
    ui->editContactEmail->setText(m_settings.contactEmail);
    const int form = ui->comboIsbnForm->findData(m_settings.isbnForm);
    ui->comboIsbnForm->setCurrentIndex(form >= 0 ? form : 0);
    ui->checkFallback->setChecked(m_settings.fallback);
    for (const SourceEntry &entry : kSources)
        ((*ui).*entry.fallbackBox)
            ->setChecked(m_settings.fallbackSources.contains(QLatin1String(entry.name)));
    updateFallbackBoxes();
}

void COptionsOnlinePage::readControls(COnlineSettings &settings) const
{
    settings.source = ui->comboSource->currentData().toString();
    settings.googleBooksKey = ui->editGoogleBooksKey->text().trimmed();
    settings.contactEmail = ui->editContactEmail->text().trimmed();
    settings.isbnForm = ui->comboIsbnForm->currentData().toInt();
    settings.fallback = ui->checkFallback->isChecked();
    settings.fallbackSources.clear();
    for (const SourceEntry &entry : kSources) {
        if (((*ui).*entry.fallbackBox)->isChecked())
            settings.fallbackSources << QString::fromLatin1(entry.name);
    }
}

void COptionsOnlinePage::save() const
{
    if (IsInitialized())
        m_settings.Save();
}

void COptionsOnlinePage::updateFallbackBoxes()
{
    for (const SourceEntry &entry : kSources)
        ((*ui).*entry.fallbackBox)->setEnabled(ui->checkFallback->isChecked());
}

void COptionsOnlinePage::testConnection()
{
    if (m_testThread)
        return;
    COnlineSettings settings = m_settings;
    readControls(settings);
    ui->buttonTestConnection->setEnabled(false);
    ui->labelTestResult->setText(tr("Asking %1...").arg(ui->comboSource->currentText()));
    m_testCancel.reset();
    m_testThread =
        QThread::create([this, settings] { m_testResult = RunConnectionTest(settings, &m_testCancel); });
    connect(m_testThread, &QThread::finished, this, [this] {
        m_testThread->deleteLater();
        m_testThread = nullptr;
        ui->buttonTestConnection->setEnabled(true);
        showTestResult(m_testResult);
    });
    m_testThread->start();
}

void COptionsOnlinePage::showTestResult(const CConnectionTestResult &result)
{
    QString text;
    if (result.answered())
        text = tr("%1 answered in %2 ms.").arg(result.sourceName).arg(result.elapsedMs);
    else if (result.outcome == LookupOutcome::Cancelled)
        text = tr("The test was cancelled.");
    else
        text = result.message;
    ui->labelTestResult->setText(text);
    emit connectionTested(text);
}
