#include "optionsonlinepage.h"
#include "ui_optionsonlinepage.h"

#include "app/messenger.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>

COptionsOnlinePage::COptionsOnlinePage(QWidget *parent)
    : CPropertyPage(tr("O&nline"), parent), ui(std::make_unique<Ui::COptionsOnlinePage>()),
      m_settings(COnlineSettings::Load())
{
    ui->setupUi(this);
    buildSourceControls();
    ui->comboIsbnForm->addItem(tr("ISBN-10 where there is one"), 10);
    ui->comboIsbnForm->addItem(tr("ISBN-13"), 13);
    ui->comboIsbnForm->addItem(tr("As entered"), 0);
    connect(ui->checkFallback, &QCheckBox::toggled, this, &COptionsOnlinePage::updateFallbackBoxes);
    connect(ui->buttonTestConnection, &QPushButton::clicked, this, &COptionsOnlinePage::testConnection);
}

void COptionsOnlinePage::buildSourceControls()
{
    m_sources = LookupSources();
    const COnlineSettings defaults;
    for (const CLookupSourceInfo &source : std::as_const(m_sources)) {
        ui->comboSource->addItem(source.displayName, source.name);

        auto *fallback = new QCheckBox(source.displayName, this);
        fallback->setObjectName(QStringLiteral("checkFallback") + source.name);
        ui->layoutFallbackSources->addWidget(fallback);
        m_fallbackBoxes << fallback;

        for (const CServiceAddress &address : source.addresses) {
            const int row = ui->layoutAddresses->rowCount();
            auto *edit = new QLineEdit(ui->groupAddresses);
            edit->setObjectName(QStringLiteral("edit") + address.key);
            edit->setPlaceholderText(defaults.*address.member);
            auto *label = new QLabel(address.label, ui->groupAddresses);
            label->setBuddy(edit);
            auto *reset = new QPushButton(tr("Reset"), ui->groupAddresses);
            reset->setObjectName(QStringLiteral("buttonReset") + address.key);
            reset->setToolTip(tr("Back to %1").arg(defaults.*address.member));
            reset->setAutoDefault(false);
            connect(reset, &QPushButton::clicked, edit,
                    [edit, value = defaults.*address.member] { edit->setText(value); });
            ui->layoutAddresses->addWidget(label, row, 0);
            ui->layoutAddresses->addWidget(edit, row, 1);
            ui->layoutAddresses->addWidget(reset, row, 2);
            m_addressRows << AddressRow{address, edit};
        }
    }
    ui->layoutFallbackSources->addStretch();
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
    for (int i = 0; i < m_sources.size(); ++i)
        m_fallbackBoxes.at(i)->setChecked(m_settings.fallbackSources.contains(m_sources.at(i).name));
    for (const AddressRow &row : std::as_const(m_addressRows))
        row.edit->setText(m_settings.*row.address.member);
    updateFallbackBoxes();
}

bool COptionsOnlinePage::OnKillActive()
{
    for (const AddressRow &row : std::as_const(m_addressRows)) {
        const QString text = row.edit->text().trimmed();
        if (text.isEmpty() || COnlineSettings::IsUsableAddress(text))
            continue;
        // The label without its colon (full-width in Chinese).
        QString service = row.address.label;
        while (service.endsWith(QLatin1Char(':')) || service.endsWith(QChar(0xFF1A)))
            service.chop(1);
        messenger().showMessage(
            tr("\"%1\" is not a web address Ordoteca can use for %2.\n"
               "Please enter an address that starts with http:// or https://, for example %3.")
                .arg(text, service, COnlineSettings().*row.address.member),
            IMessenger::Icon::Warning);
        row.edit->setFocus();
        row.edit->selectAll();
        return false;
    }
    return true;
}

void COptionsOnlinePage::readControls(COnlineSettings &settings) const
{
    settings.source = ui->comboSource->currentData().toString();
    settings.googleBooksKey = ui->editGoogleBooksKey->text().trimmed();
    settings.contactEmail = ui->editContactEmail->text().trimmed();
    settings.isbnForm = ui->comboIsbnForm->currentData().toInt();
    settings.fallback = ui->checkFallback->isChecked();
    settings.fallbackSources.clear();
    for (int i = 0; i < m_sources.size(); ++i) {
        if (m_fallbackBoxes.at(i)->isChecked())
            settings.fallbackSources << m_sources.at(i).name;
    }
    // An emptied box means the usual address.
    const COnlineSettings defaults;
    for (const AddressRow &row : m_addressRows) {
        const QString address = COnlineSettings::CleanAddress(row.edit->text());
        settings.*row.address.member = address.isEmpty() ? defaults.*row.address.member : address;
    }
}

void COptionsOnlinePage::save() const
{
    if (IsInitialized())
        m_settings.Save();
}

void COptionsOnlinePage::updateFallbackBoxes()
{
    for (QCheckBox *box : std::as_const(m_fallbackBoxes))
        box->setEnabled(ui->checkFallback->isChecked());
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
