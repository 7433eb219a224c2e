#include "core/printing/ReportDocument.h"

QString ReportDocument::caption(const QString& labelName) const
{
    if (title.name == labelName)
        return title.caption;
    for (const QList<ReportLabel>* labels : {&header, &footer}) {
        for (const ReportLabel& label : *labels) {
            if (label.name == labelName)
                return label.caption;
        }
    }
    return QString();
}
