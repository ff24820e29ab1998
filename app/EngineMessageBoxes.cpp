#include "app/EngineMessageBoxes.h"

#include <string_view>

#include <QString>

#include "engine/EngineMessage.h"
#include "ui/LibraryMessages.h"
#include "widgets/ErrorReport.h"
#include "widgets/MessageBox.h"

namespace mirvane {

void ShowEngineMessagesInBoxes()
{
    SetEngineMessageHook([](std::string_view Text) {
        ShowMessageBox(TBoxKind::Message, WindowMessage(Text));
    });
    SetErrorWording(WindowMessage);
}

}  // namespace mirvane
