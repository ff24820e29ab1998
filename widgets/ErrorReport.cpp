#include "widgets/ErrorReport.h"

#include <utility>

#include "widgets/MessageBox.h"

namespace mirvane {
namespace {

TErrorWording& CurrentWording()
{
    static TErrorWording Current;
    return Current;
}

}  // namespace

QString ErrorReportText(const QString& Message)
{
    if (!Message.isEmpty() && Message.back() > u'.') {
        return Message + u'.';
    }
    return Message;
}

void SetErrorWording(TErrorWording Wording)
{
    CurrentWording() = std::move(Wording);
}

void ShowErrorReport(const std::exception& Error)
{
    ShowMessageBox(TBoxKind::Error,
                   ErrorReportText(CurrentWording() ? CurrentWording()(Error.what()) : QString::fromUtf8(Error.what())));
}

}  // namespace mirvane
