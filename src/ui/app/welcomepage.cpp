#include "welcomepage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel *linkLabel(const QString &href, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(href, text.toHtmlEscaped()), parent);
    label->setObjectName(QStringLiteral("link") + href.at(0).toUpper() + href.mid(1));
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    label->setFont(font);
    return label;
}

} // namespace

CWelcomePage::CWelcomePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("welcomePage"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);

    auto *title = new QLabel(tr("Welcome to Ordoteca"), this);
    title->setObjectName(QStringLiteral("welcomeTitle"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    title->setFont(big);

    auto *text = new QLabel(tr("A catalogue holds your books and their categories in one file. "
                               "Create a new one, or open one you already have."),
                            this);
    text->setWordWrap(true);

    QLabel *create = linkLabel(QStringLiteral("new"), tr("Create a new catalogue..."), this);
    QLabel *open = linkLabel(QStringLiteral("open"), tr("Open a catalogue..."), this);
    for (QLabel *link : {create, open})
        connect(link, &QLabel::linkActivated, this, &CWelcomePage::onLink);

    auto *column = new QVBoxLayout;
    column->setSpacing(14);
    column->addWidget(title);
    column->addWidget(text);
    column->addSpacing(10);
    column->addWidget(create);
    column->addWidget(open);

    auto *outer = new QHBoxLayout(this);
    outer->addStretch(1);
    auto *middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addLayout(column);
    middle->addStretch(2);
    outer->addLayout(middle, 3);
    outer->addStretch(1);
}

void CWelcomePage::onLink(const QString &link)
{
    if (link == QLatin1String("new"))
        emit newCatalogueRequested();
    else if (link == QLatin1String("open"))
        emit openCatalogueRequested();
}
