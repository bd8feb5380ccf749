#include "sc/hint_rules.h"

#include "sc/capacitance_calc.h"

namespace kandelo::sc::hint {

std::string capacityBox(std::string_view lblLCaption)
{
    return lblLCaption == ReactorSixCaption ? "実際の選定に際してはJIS規定による定格容量の標準値があります" : "";
}

std::string reactorLabel(std::string_view lblLCaption)
{
    return lblLCaption == ReactorSixCaption ? "クリックするとＬ＝１３％の場合を計算します"
                                            : "クリックするとＬ＝６％の場合を計算します";
}

std::string capacitanceLists(bool option2Selected)
{
    return option2Selected ? "負荷直結は電力会社の取付け容量基準があります" : "";
}

} // namespace kandelo::sc::hint
