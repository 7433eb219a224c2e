#include "ui/program/AboutBox.h"

#include "core/base/ThirdParty.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("关于 Tavoro"));
    resize(560, 480);

    auto* name = new QLabel(tr("Tavoro 台球厅计时收费系统"), this);
    name->setObjectName(QStringLiteral("lblTitle"));
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(tr("版本 %1").arg(QLatin1String(TAVORO_VERSION)), this);
    version->setObjectName(QStringLiteral("lblVersion"));

    QString licences = tr("<p>本程序使用以下软件：</p>");
    for (const ThirdParty& part : ThirdParty::all())
        licences += tr("<h3>%1 %2</h3><p>许可证：%3</p><p>%4</p>")
                        .arg(part.name.toHtmlEscaped(), part.version.toHtmlEscaped(), part.licence.toHtmlEscaped(),
                             part.notice.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("txtLicences"));
    text->setOpenExternalLinks(true);
    text->setHtml(licences);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(text, 1);
    layout->addWidget(buttons);
}
