// The running choices as the options group stores them.

#include "settings/Choices.h"

namespace mirvane {

TOptions TChoices::Stored() const
{
    TOptions Options;
    Options.InDiaspora = InDiaspora;
    Options.ByJMonth = ByJewishMonth;
    Options.PlainAdarIsAdar1 = PlainAdarIsAdar1;
    Options.DateOrder = Order();
    Options.StartTab = StartPage;
    return Options;
}

}  // namespace mirvane
