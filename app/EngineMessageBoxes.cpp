#include "app/EngineMessageBoxes.h"

#include <string_view>

#include <QString>

#include "engine/EngineMessage.h"
#include "widgets/MessageBox.h"

namespace mirvane {

void ShowEngineMessagesInBoxes()
{
    SetEngineMessageHook([](std::string_view Text) {
        ShowMessageBox(TBoxKind::Message, QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size())));
    });
}

}  // namespace mirvane
