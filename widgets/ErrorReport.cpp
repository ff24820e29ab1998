#include "widgets/ErrorReport.h"

#include "widgets/MessageBox.h"

namespace mirvane {

QString ErrorReportText(const QString& Message)
{
    if (!Message.isEmpty() && Message.back() > u'.') {
        return Message + u'.';
    }
    return Message;
}

void ShowErrorReport(const std::exception& Error)
{
    ShowMessageBox(TBoxKind::Error, ErrorReportText(QString::fromUtf8(Error.what())));
}

}  // namespace mirvane
