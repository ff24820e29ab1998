#include "engine/Portions.h"

namespace mirvane {

const std::array<std::string_view, PortionCount> PortionNames = {
    "",           "Vayelech",   "Haazinu",     "Breishit",  "Noah",        "Lech-Lecha", "Vayera",
    "Chaye-Sarah", "Toldot",    "VaYetze",     "VaYishlach", "VaYeshev",   "Miketz",     "VaYigash",
    "VaYechi",    "Shemot",     "Vaera",       "Bo",        "Beshalach",   "Yitro",      "Mishpatim",
    "Teruma",     "Tetzave",    "Ki Tisa",     "Vayakel",   "Pkudei",      "VaYikra",    "Tzav",
    "Shmini",     "Tazria",     "Metzora",     "Achrei",    "Kedoshim",    "Emor",       "Behar",
    "Bechutotai", "Bamidbar",   "Naso",        "Behaalotcha", "Shlach",    "Korach",     "Chukat",
    "Balak",      "Pinchas",    "Matot",       "Masai",     "Devarim",     "Vaetchanan", "Ekev",
    "Re'ai",      "Shoftim",    "Ki Tetzei",   "Ki Tavo",   "Netzavim",    "VaYelech",
};

}  // namespace mirvane
