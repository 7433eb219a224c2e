#include "ui/printing/ReportPreview.h"

#include "ui/printing/ReportRenderer.h"

#include <QCoreApplication>
#include <QPrinter>

std::unique_ptr<QPrintPreviewDialog> makeReportPreview(const ReportDocument& document, QWidget* parent)
{
    auto dialog = std::make_unique<QPrintPreviewDialog>(parent);
    dialog->setObjectName(document.name);
    dialog->setWindowTitle(QCoreApplication::translate("ReportPreview", "打印预览"));
    dialog->resize(820, 720);
    const ReportRenderer renderer(document);
    dialog->printer()->setPageOrientation(renderer.orientation());
    QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(),
                     [renderer](QPrinter* printer) { renderer.render(printer); });
    return dialog;
}

void previewReport(const ReportDocument& document, const QString& title, QWidget* parent)
{
    const auto preview = makeReportPreview(document, parent);
    preview->setWindowTitle(title);
    preview->exec();
}

bool printReport(const ReportDocument& document)
{
    const ReportRenderer renderer(document);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(renderer.orientation());
    return renderer.render(&printer);
}
