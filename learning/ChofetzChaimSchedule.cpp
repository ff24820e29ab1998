#include "learning/ChofetzChaimSchedule.h"

#include <array>

namespace mirvane {
namespace {

using enum TChofetzChaimPart;

struct TPartNames {
    std::string_view English;
    std::string_view Hebrew;
};

// In the order of TChofetzChaimPart.
constexpr std::array<TPartNames, 8> PartNames{{
    {"Hakdamah", "הקדמה"},
    {"Psichah", "פתיחה"},
    {"Lavin", "לאוין"},
    {"Asin", "עשין"},
    {"Arurin", "ארורין"},
    {"Hilchos LH", "הלכות לשון הרע"},
    {"Hilchos Rechilus", "הלכות רכילות"},
    {"Tziyurim", "ציורים"},
}};

constexpr std::array<TChofetzChaimDay, 355> CommonYear{{
    {Hakdamah, "1-4"}, {Hakdamah, "5-10"}, {Hakdamah, "11-16"}, {Hakdamah, "17-22"},
    {Hakdamah, "23-27"}, {Hakdamah, "28, 33, 34"}, {Hakdamah, "29-32"}, {Psichah, "1-4"},
    {Psichah, "5-11"}, {Lavin, "1-2"}, {Lavin, "3-4"}, {Lavin, "5-6"},
    {Lavin, "7-9"}, {Lavin, "10-11"}, {Lavin, "12-13"}, {Lavin, "14-15"},
    {Lavin, "16-17"}, {Asin, "1-2"}, {Asin, "3-4"}, {Asin, "5-6"},
    {Asin, "7-8"}, {Asin, "9-10"}, {Asin, "11-12"}, {Asin, "13-14"},
    {Arurin, ""}, {LashonHara, "1.1-1.2"}, {LashonHara, "1.3-1.4"}, {LashonHara, "1.5-1.6"},
    {LashonHara, "1.7-1.9"}, {LashonHara, "2.1-2.2"}, {LashonHara, "2.3-2.4"}, {LashonHara, "2.5-2.6"},
    {LashonHara, "2.7-2.8"}, {LashonHara, "2.9-2.10"}, {LashonHara, "2.11"}, {LashonHara, "2.12-2.13"},
    {LashonHara, "3.1-3.2"}, {LashonHara, "3.3-3.4"}, {LashonHara, "3.5-3.6"}, {LashonHara, "3.7-3.8"},
    {LashonHara, "4.1-4.2"}, {LashonHara, "4.3-4.4"}, {LashonHara, "4.5-4.6"}, {LashonHara, "4.7-4.8"},
    {LashonHara, "4.9-4.10"}, {LashonHara, "4.11"}, {LashonHara, "4.12-5.1"}, {LashonHara, "5.2-5.4"},
    {LashonHara, "5.5-5.6"}, {LashonHara, "5.7-5.8"}, {LashonHara, "6.1-6.2"}, {LashonHara, "6.3-6.4"},
    {LashonHara, "6.5-6.6"}, {LashonHara, "6.7-6.8"}, {LashonHara, "6.9-6.10"}, {LashonHara, "6.11-6.12"},
    {LashonHara, "7.1-7.2"}, {LashonHara, "7.3-7.4"}, {LashonHara, "7.5-7.6"}, {LashonHara, "7.7-7.8"},
    {LashonHara, "7.9"}, {LashonHara, "7.10-7.12"}, {LashonHara, "7.13-7.14"}, {LashonHara, "8.1-8.2"},
    {LashonHara, "8.3-8.4"}, {LashonHara, "8.5-8.7"}, {LashonHara, "8.8-8.9"}, {LashonHara, "8.10-8.11"},
    {LashonHara, "8.12"}, {LashonHara, "8.13-8.14"}, {LashonHara, "9.1-9.2"}, {LashonHara, "9.3-9.4"},
    {LashonHara, "9.5-9.6"}, {LashonHara, "10.1-10.2"}, {LashonHara, "10.3-10.4"}, {LashonHara, "10.5-10.6"},
    {LashonHara, "10.7-10.8"}, {LashonHara, "10.9-10.10"}, {LashonHara, "10.11-10.12"}, {LashonHara, "10.13-10.14"},
    {LashonHara, "10.15-10.16"}, {LashonHara, "10.17"}, {Rechilus, "1.1-1.3"}, {Rechilus, "1.4-1.5"},
    {Rechilus, "1.6-1.7"}, {Rechilus, "1.8-1.9"}, {Rechilus, "1.10-1.11"}, {Rechilus, "2.1-2.2"},
    {Rechilus, "2.3-2.4"}, {Rechilus, "3.1"}, {Rechilus, "3.2-3.4"}, {Rechilus, "4.1-4.3"},
    {Rechilus, "5.1-5.2"}, {Rechilus, "5.3-5.4"}, {Rechilus, "5.5"}, {Rechilus, "5.6-5.7"},
    {Rechilus, "6.1-6.2"}, {Rechilus, "6.3-6.4"}, {Rechilus, "6.5-6.7"}, {Rechilus, "6.8-6.10"},
    {Rechilus, "7.1"}, {Rechilus, "7.2"}, {Rechilus, "7.3-7.4"}, {Rechilus, "7.5"},
    {Rechilus, "8.1-8.3"}, {Rechilus, "8.4-8.5"}, {Rechilus, "9.1-9.2"}, {Rechilus, "9.3-9.4"},
    {Rechilus, "9.5-9.6"}, {Rechilus, "9.7-9.9"}, {Rechilus, "9.10"}, {Rechilus, "9.11-9.12"},
    {Rechilus, "9.13"}, {Rechilus, "9.14-9.15"}, {Tziyurim, "1-3"}, {Tziyurim, "4-5"},
    {Tziyurim, "6-7"}, {Tziyurim, "8-9"}, {Tziyurim, "10-11"}, {Hakdamah, "1-4"},
    {Hakdamah, "5-10"}, {Hakdamah, "11-16"}, {Hakdamah, "17-22"}, {Hakdamah, "23-27"},
    {Hakdamah, "28-34"}, {Psichah, "1-4"}, {Psichah, "5-11"}, {Lavin, "1-2"},
    {Lavin, "3-4"}, {Lavin, "5-6"}, {Lavin, "7-9"}, {Lavin, "10-11"},
    {Lavin, "12-13"}, {Lavin, "14-15"}, {Lavin, "16-17"}, {Asin, "1-2"},
    {Asin, "3-4"}, {Asin, "5-6"}, {Asin, "7-8"}, {Asin, "9-10"},
    {Asin, "11-12"}, {Asin, "13-14"}, {Arurin, ""}, {LashonHara, "1.1-1.2"},
    {LashonHara, "1.3-1.4"}, {LashonHara, "1.5-1.6"}, {LashonHara, "1.7-1.9"}, {LashonHara, "2.1-2.2"},
    {LashonHara, "2.3-2.4"}, {LashonHara, "2.5-2.6"}, {LashonHara, "2.7-2.8"}, {LashonHara, "2.9-2.10"},
    {LashonHara, "2.11"}, {LashonHara, "2.12-2.13"}, {LashonHara, "3.1-3.2"}, {LashonHara, "3.3-3.4"},
    {LashonHara, "3.5-3.6"}, {LashonHara, "3.7-3.8"}, {LashonHara, "4.1-4.2"}, {LashonHara, "4.3-4.4"},
    {LashonHara, "4.5-4.6"}, {LashonHara, "4.7-4.8"}, {LashonHara, "4.9-4.10"}, {LashonHara, "4.11"},
    {LashonHara, "4.12-5.1"}, {LashonHara, "5.2-5.4"}, {LashonHara, "5.5-5.6"}, {LashonHara, "5.7-5.8"},
    {LashonHara, "6.1-6.2"}, {LashonHara, "6.3-6.4"}, {LashonHara, "6.5-6.6"}, {LashonHara, "6.7-6.8"},
    {LashonHara, "6.9-6.10"}, {LashonHara, "6.11-6.12"}, {LashonHara, "7.1-7.2"}, {LashonHara, "7.3-7.4"},
    {LashonHara, "7.5-7.6"}, {LashonHara, "7.7-7.8"}, {LashonHara, "7.9"}, {LashonHara, "7.10-7.12"},
    {LashonHara, "7.13-7.14"}, {LashonHara, "8.1-8.2"}, {LashonHara, "8.3-8.4"}, {LashonHara, "8.5-8.7"},
    {LashonHara, "8.8-8.9"}, {LashonHara, "8.10-8.11"}, {LashonHara, "8.12"}, {LashonHara, "8.13-8.14"},
    {LashonHara, "9.1-9.2"}, {LashonHara, "9.3-9.4"}, {LashonHara, "9.5-9.6"}, {LashonHara, "10.1-10.2"},
    {LashonHara, "10.3-10.4"}, {LashonHara, "10.5-10.6"}, {LashonHara, "10.7-10.8"}, {LashonHara, "10.9-10.10"},
    {LashonHara, "10.11-10.12"}, {LashonHara, "10.13-10.14"}, {LashonHara, "10.15-10.16"}, {LashonHara, "10.17"},
    {Rechilus, "1.1-1.3"}, {Rechilus, "1.4-1.5"}, {Rechilus, "1.6-1.7"}, {Rechilus, "1.8-1.9"},
    {Rechilus, "1.10-1.11"}, {Rechilus, "2.1-2.2"}, {Rechilus, "2.3-2.4"}, {Rechilus, "3.1"},
    {Rechilus, "3.2-3.4"}, {Rechilus, "4.1-4.3"}, {Rechilus, "5.1-5.2"}, {Rechilus, "5.3-5.4"},
    {Rechilus, "5.5"}, {Rechilus, "5.6-5.7"}, {Rechilus, "6.1-6.2"}, {Rechilus, "6.3-6.4"},
    {Rechilus, "6.5-6.7"}, {Rechilus, "6.8-6.10"}, {Rechilus, "7.1"}, {Rechilus, "7.2"},
    {Rechilus, "7.3-7.4"}, {Rechilus, "7.5"}, {Rechilus, "8.1-8.3"}, {Rechilus, "8.4-8.5"},
    {Rechilus, "9.1-9.2"}, {Rechilus, "9.3-9.4"}, {Rechilus, "9.5-9.6"}, {Rechilus, "9.7-9.9"},
    {Rechilus, "9.10"}, {Rechilus, "9.11-9.12"}, {Rechilus, "9.13"}, {Rechilus, "9.14-9.15"},
    {Tziyurim, "1-3"}, {Tziyurim, "4-5"}, {Tziyurim, "6-7"}, {Tziyurim, "8-9"},
    {Tziyurim, "10-11"}, {Hakdamah, "1-4"}, {Hakdamah, "5-10"}, {Hakdamah, "11-16"},
    {Hakdamah, "17-22"}, {Hakdamah, "23-27"}, {Hakdamah, "28-34"}, {Psichah, "1-4"},
    {Psichah, "5-11"}, {Lavin, "1-2"}, {Lavin, "3-4"}, {Lavin, "5-6"},
    {Lavin, "7-9"}, {Lavin, "10-11"}, {Lavin, "12-13"}, {Lavin, "14-15"},
    {Lavin, "16-17"}, {Asin, "1-2"}, {Asin, "3-4"}, {Asin, "5-6"},
    {Asin, "7-8"}, {Asin, "9-10"}, {Asin, "11-12"}, {Asin, "13-14"},
    {Arurin, ""}, {LashonHara, "1.1-1.2"}, {LashonHara, "1.3-1.4"}, {LashonHara, "1.5-1.6"},
    {LashonHara, "1.7-1.9"}, {LashonHara, "2.1-2.2"}, {LashonHara, "2.3-2.4"}, {LashonHara, "2.5-2.6"},
    {LashonHara, "2.7-2.8"}, {LashonHara, "2.9-2.10"}, {LashonHara, "2.11"}, {LashonHara, "2.12-2.13"},
    {LashonHara, "3.1-3.2"}, {LashonHara, "3.3-3.4"}, {LashonHara, "3.5-3.6"}, {LashonHara, "3.7-3.8"},
    {LashonHara, "4.1-4.2"}, {LashonHara, "4.3-4.4"}, {LashonHara, "4.5-4.6"}, {LashonHara, "4.7-4.8"},
    {LashonHara, "4.9-4.10"}, {LashonHara, "4.11"}, {LashonHara, "4.12-5.1"}, {LashonHara, "5.2-5.4"},
    {LashonHara, "5.5-5.6"}, {LashonHara, "5.7-5.8"}, {LashonHara, "6.1-6.2"}, {LashonHara, "6.3-6.4"},
    {LashonHara, "6.5-6.6"}, {LashonHara, "6.7-6.8"}, {LashonHara, "6.9-6.10"}, {LashonHara, "6.11-6.12"},
    {LashonHara, "7.1-7.2"}, {LashonHara, "7.3-7.4"}, {LashonHara, "7.5-7.6"}, {LashonHara, "7.7-7.8"},
    {LashonHara, "7.9"}, {LashonHara, "7.10-7.12"}, {LashonHara, "7.13-7.14"}, {LashonHara, "8.1-8.2"},
    {LashonHara, "8.3-8.4"}, {LashonHara, "8.5-8.7"}, {LashonHara, "8.8-8.9"}, {LashonHara, "8.10-8.11"},
    {LashonHara, "8.12"}, {LashonHara, "8.13-8.14"}, {LashonHara, "9.1-9.2"}, {LashonHara, "9.3-9.4"},
    {LashonHara, "9.5-9.6"}, {LashonHara, "10.1-10.2"}, {LashonHara, "10.3-10.4"}, {LashonHara, "10.5-10.6"},
    {LashonHara, "10.7-10.8"}, {LashonHara, "10.9-10.10"}, {LashonHara, "10.11-10.12"}, {LashonHara, "10.13-10.14"},
    {LashonHara, "10.15-10.16"}, {LashonHara, "10.17"}, {Rechilus, "1.1-1.3"}, {Rechilus, "1.4-1.5"},
    {Rechilus, "1.6-1.7"}, {Rechilus, "1.8-1.9"}, {Rechilus, "1.10-1.11"}, {Rechilus, "2.1-2.2"},
    {Rechilus, "2.3-2.4"}, {Rechilus, "3.1"}, {Rechilus, "3.2-3.4"}, {Rechilus, "4.1-4.3"},
    {Rechilus, "5.1-5.2"}, {Rechilus, "5.3-5.4"}, {Rechilus, "5.5"}, {Rechilus, "5.6-5.7"},
    {Rechilus, "6.1-6.2"}, {Rechilus, "6.3-6.4"}, {Rechilus, "6.5-6.7"}, {Rechilus, "6.8-6.10"},
    {Rechilus, "7.1"}, {Rechilus, "7.2"}, {Rechilus, "7.3-7.4"}, {Rechilus, "7.5"},
    {Rechilus, "8.1-8.3"}, {Rechilus, "8.4-8.5"}, {Rechilus, "9.1-9.2"}, {Rechilus, "9.3-9.4"},
    {Rechilus, "9.5-9.6"}, {Rechilus, "9.7-9.9"}, {Rechilus, "9.10"}, {Rechilus, "9.11-9.12"},
    {Rechilus, "9.13"}, {Rechilus, "9.14-9.15"}, {Tziyurim, "1-3"}, {Tziyurim, "4-5"},
    {Tziyurim, "6-7"}, {Tziyurim, "8-9"}, {Tziyurim, "10-11"},
}};

constexpr std::array<TChofetzChaimDay, 385> LeapYear{{
    {Hakdamah, "1-4"}, {Hakdamah, "5-10"}, {Hakdamah, "11-16"}, {Hakdamah, "17-22"},
    {Hakdamah, "23-27"}, {Hakdamah, "28, 33, 34"}, {Hakdamah, "29-32"}, {Psichah, "1-4"},
    {Psichah, "5-11"}, {Lavin, "1-2"}, {Lavin, "3-4"}, {Lavin, "5-6"},
    {Lavin, "7-9"}, {Lavin, "10-11"}, {Lavin, "12-13"}, {Lavin, "14-15"},
    {Lavin, "16-17"}, {Asin, "1-2"}, {Asin, "3-4"}, {Asin, "5-6"},
    {Asin, "7-8"}, {Asin, "9-10"}, {Asin, "11-12"}, {Asin, "13-14"},
    {Arurin, ""}, {LashonHara, "1.1-1.2"}, {LashonHara, "1.3-1.4"}, {LashonHara, "1.5-1.6"},
    {LashonHara, "1.7-1.9"}, {LashonHara, "2.1-2.2"}, {LashonHara, "2.3-2.4"}, {LashonHara, "2.5-2.6"},
    {LashonHara, "2.7-2.8"}, {LashonHara, "2.9-2.10"}, {LashonHara, "2.11"}, {LashonHara, "2.12-2.13"},
    {LashonHara, "3.1-3.2"}, {LashonHara, "3.3-3.4"}, {LashonHara, "3.5-3.6"}, {LashonHara, "3.7-3.8"},
    {LashonHara, "4.1-4.2"}, {LashonHara, "4.3-4.4"}, {LashonHara, "4.5-4.6"}, {LashonHara, "4.7-4.8"},
    {LashonHara, "4.9-4.10"}, {LashonHara, "4.11"}, {LashonHara, "4.12"}, {LashonHara, "5.1"},
    {LashonHara, "5.2"}, {LashonHara, "5.3-5.4"}, {LashonHara, "5.5-5.6"}, {LashonHara, "5.7-5.8"},
    {LashonHara, "6.1-6.2"}, {LashonHara, "6.3-6.4"}, {LashonHara, "6.5-6.6"}, {LashonHara, "6.7-6.8"},
    {LashonHara, "6.9-6.10"}, {LashonHara, "6.11-6.12"}, {LashonHara, "7.1-7.2"}, {LashonHara, "7.3-7.4"},
    {LashonHara, "7.5-7.6"}, {LashonHara, "7.7-7.8"}, {LashonHara, "7.9"}, {LashonHara, "7.10"},
    {LashonHara, "7.11-7.12"}, {LashonHara, "7.13-7.14"}, {LashonHara, "8.1-8.2"}, {LashonHara, "8.3-8.4"},
    {LashonHara, "8.5"}, {LashonHara, "8.6-8.7"}, {LashonHara, "8.8-8.9"}, {LashonHara, "8.10-8.11"},
    {LashonHara, "8.12"}, {LashonHara, "8.13-8.14"}, {LashonHara, "9.1-9.2"}, {LashonHara, "9.3-9.4"},
    {LashonHara, "9.5-9.6"}, {LashonHara, "10.1-10.2"}, {LashonHara, "10.3"}, {LashonHara, "10.4"},
    {LashonHara, "10.5-10.6"}, {LashonHara, "10.7-10.8"}, {LashonHara, "10.9-10.10"}, {LashonHara, "10.11-10.12"},
    {LashonHara, "10.13"}, {LashonHara, "10.14"}, {LashonHara, "10.15-10.16"}, {LashonHara, "10.17"},
    {Rechilus, "1.1-1.2"}, {Rechilus, "1.3"}, {Rechilus, "1.4-1.5"}, {Rechilus, "1.6-1.7"},
    {Rechilus, "1.8-1.9"}, {Rechilus, "1.10-1.11"}, {Rechilus, "2.1-2.2"}, {Rechilus, "2.3-2.4"},
    {Rechilus, "3.1"}, {Rechilus, "3.2-3.4"}, {Rechilus, "4.1-4.3"}, {Rechilus, "5.1-5.2"},
    {Rechilus, "5.3-5.4"}, {Rechilus, "5.5"}, {Rechilus, "5.6-5.7"}, {Rechilus, "6.1-6.2"},
    {Rechilus, "6.3-6.4"}, {Rechilus, "6.5-6.6"}, {Rechilus, "6.7"}, {Rechilus, "6.8-6.9"},
    {Rechilus, "6.10"}, {Rechilus, "7.1"}, {Rechilus, "7.2"}, {Rechilus, "7.3-7.4"},
    {Rechilus, "7.5"}, {Rechilus, "8.1-8.3"}, {Rechilus, "8.4-8.5"}, {Rechilus, "9.1-9.2"},
    {Rechilus, "9.3-9.4"}, {Rechilus, "9.5-9.6"}, {Rechilus, "9.7-9.9"}, {Rechilus, "9.10"},
    {Rechilus, "9.11-9.12"}, {Rechilus, "9.13"}, {Rechilus, "9.14-9.15"}, {Tziyurim, "1-2"},
    {Tziyurim, "3"}, {Tziyurim, "4-5"}, {Tziyurim, "6-7"}, {Tziyurim, "8-9"},
    {Tziyurim, "10-11"}, {Hakdamah, "1-4"}, {Hakdamah, "5-10"}, {Hakdamah, "11-16"},
    {Hakdamah, "17-22"}, {Hakdamah, "23-27"}, {Hakdamah, "28-34"}, {Psichah, "1-4"},
    {Psichah, "5-11"}, {Lavin, "1-2"}, {Lavin, "3-4"}, {Lavin, "5-6"},
    {Lavin, "7-9"}, {Lavin, "10-11"}, {Lavin, "12-13"}, {Lavin, "14-15"},
    {Lavin, "16-17"}, {Asin, "1-2"}, {Asin, "3-4"}, {Asin, "5-6"},
    {Asin, "7-8"}, {Asin, "9-10"}, {Asin, "11-12"}, {Asin, "13-14"},
    {Arurin, ""}, {LashonHara, "1.1-1.2"}, {LashonHara, "1.3-1.4"}, {LashonHara, "1.5-1.6"},
    {LashonHara, "1.7-1.9"}, {LashonHara, "2.1-2.2"}, {LashonHara, "2.3-2.4"}, {LashonHara, "2.5-2.6"},
    {LashonHara, "2.7-2.8"}, {LashonHara, "2.9-2.10"}, {LashonHara, "2.11"}, {LashonHara, "2.12-2.13"},
    {LashonHara, "3.1-3.2"}, {LashonHara, "3.3-3.4"}, {LashonHara, "3.5-3.6"}, {LashonHara, "3.7-3.8"},
    {LashonHara, "4.1-4.2"}, {LashonHara, "4.3-4.4"}, {LashonHara, "4.5-4.6"}, {LashonHara, "4.7-4.8"},
    {LashonHara, "4.9-4.10"}, {LashonHara, "4.11"}, {LashonHara, "4.12"}, {LashonHara, "5.1"},
    {LashonHara, "5.2"}, {LashonHara, "5.3-5.4"}, {LashonHara, "5.5-5.6"}, {LashonHara, "5.7-5.8"},
    {LashonHara, "6.1-6.2"}, {LashonHara, "6.3-6.4"}, {LashonHara, "6.5-6.6"}, {LashonHara, "6.7-6.8"},
    {LashonHara, "6.9-6.10"}, {LashonHara, "6.11-6.12"}, {LashonHara, "7.1-7.2"}, {LashonHara, "7.3-7.4"},
    {LashonHara, "7.5-7.6"}, {LashonHara, "7.7-7.8"}, {LashonHara, "7.9"}, {LashonHara, "7.10"},
    {LashonHara, "7.11-7.12"}, {LashonHara, "7.13-7.14"}, {LashonHara, "8.1-8.2"}, {LashonHara, "8.3-8.4"},
    {LashonHara, "8.5"}, {LashonHara, "8.6-8.7"}, {LashonHara, "8.8-8.9"}, {LashonHara, "8.10-8.11"},
    {LashonHara, "8.12"}, {LashonHara, "8.13-8.14"}, {LashonHara, "9.1-9.2"}, {LashonHara, "9.3-9.4"},
    {LashonHara, "9.5-9.6"}, {LashonHara, "10.1-10.2"}, {LashonHara, "10.3"}, {LashonHara, "10.4"},
    {LashonHara, "10.5-10.6"}, {LashonHara, "10.7-10.8"}, {LashonHara, "10.9-10.10"}, {LashonHara, "10.11-10.12"},
    {LashonHara, "10.13"}, {LashonHara, "10.14"}, {LashonHara, "10.15-10.16"}, {LashonHara, "10.17"},
    {Rechilus, "1.1-1.2"}, {Rechilus, "1.3"}, {Rechilus, "1.4-1.5"}, {Rechilus, "1.6-1.7"},
    {Rechilus, "1.8-1.9"}, {Rechilus, "1.10-1.11"}, {Rechilus, "2.1-2.2"}, {Rechilus, "2.3-2.4"},
    {Rechilus, "3.1"}, {Rechilus, "3.2-3.4"}, {Rechilus, "4.1-4.3"}, {Rechilus, "5.1-5.2"},
    {Rechilus, "5.3-5.4"}, {Rechilus, "5.5"}, {Rechilus, "5.6-5.7"}, {Rechilus, "6.1-6.2"},
    {Rechilus, "6.3-6.4"}, {Rechilus, "6.5-6.6"}, {Rechilus, "6.7"}, {Rechilus, "6.8-6.9"},
    {Rechilus, "6.10"}, {Rechilus, "7.1"}, {Rechilus, "7.2"}, {Rechilus, "7.3-7.4"},
    {Rechilus, "7.5"}, {Rechilus, "8.1-8.3"}, {Rechilus, "8.4-8.5"}, {Rechilus, "9.1-9.2"},
    {Rechilus, "9.3-9.4"}, {Rechilus, "9.5-9.6"}, {Rechilus, "9.7-9.9"}, {Rechilus, "9.10"},
    {Rechilus, "9.11-9.12"}, {Rechilus, "9.13"}, {Rechilus, "9.14-9.15"}, {Tziyurim, "1-2"},
    {Tziyurim, "3"}, {Tziyurim, "4-5"}, {Tziyurim, "6-7"}, {Tziyurim, "8-9"},
    {Tziyurim, "10-11"}, {Hakdamah, "1-4"}, {Hakdamah, "5-10"}, {Hakdamah, "11-16"},
    {Hakdamah, "17-22"}, {Hakdamah, "23-27"}, {Hakdamah, "28-34"}, {Psichah, "1-4"},
    {Psichah, "5-11"}, {Lavin, "1-2"}, {Lavin, "3-4"}, {Lavin, "5-6"},
    {Lavin, "7-9"}, {Lavin, "10-11"}, {Lavin, "12-13"}, {Lavin, "14-15"},
    {Lavin, "16-17"}, {Asin, "1-2"}, {Asin, "3-4"}, {Asin, "5-6"},
    {Asin, "7-8"}, {Asin, "9-10"}, {Asin, "11-12"}, {Asin, "13-14"},
    {Arurin, ""}, {LashonHara, "1.1-1.2"}, {LashonHara, "1.3-1.4"}, {LashonHara, "1.5-1.6"},
    {LashonHara, "1.7-1.9"}, {LashonHara, "2.1-2.2"}, {LashonHara, "2.3-2.4"}, {LashonHara, "2.5-2.6"},
    {LashonHara, "2.7-2.8"}, {LashonHara, "2.9-2.10"}, {LashonHara, "2.11"}, {LashonHara, "2.12-2.13"},
    {LashonHara, "3.1-3.2"}, {LashonHara, "3.3-3.4"}, {LashonHara, "3.5-3.6"}, {LashonHara, "3.7-3.8"},
    {LashonHara, "4.1-4.2"}, {LashonHara, "4.3-4.4"}, {LashonHara, "4.5-4.6"}, {LashonHara, "4.7-4.8"},
    {LashonHara, "4.9-4.10"}, {LashonHara, "4.11"}, {LashonHara, "4.12"}, {LashonHara, "5.1"},
    {LashonHara, "5.2"}, {LashonHara, "5.3-5.4"}, {LashonHara, "5.5-5.6"}, {LashonHara, "5.7-5.8"},
    {LashonHara, "6.1-6.2"}, {LashonHara, "6.3-6.4"}, {LashonHara, "6.5-6.6"}, {LashonHara, "6.7-6.8"},
    {LashonHara, "6.9-6.10"}, {LashonHara, "6.11-6.12"}, {LashonHara, "7.1-7.2"}, {LashonHara, "7.3-7.4"},
    {LashonHara, "7.5-7.6"}, {LashonHara, "7.7-7.8"}, {LashonHara, "7.9"}, {LashonHara, "7.10"},
    {LashonHara, "7.11-7.12"}, {LashonHara, "7.13-7.14"}, {LashonHara, "8.1-8.2"}, {LashonHara, "8.3-8.4"},
    {LashonHara, "8.5"}, {LashonHara, "8.6-8.7"}, {LashonHara, "8.8-8.9"}, {LashonHara, "8.10-8.11"},
    {LashonHara, "8.12"}, {LashonHara, "8.13-8.14"}, {LashonHara, "9.1-9.2"}, {LashonHara, "9.3-9.4"},
    {LashonHara, "9.5-9.6"}, {LashonHara, "10.1-10.2"}, {LashonHara, "10.3"}, {LashonHara, "10.4"},
    {LashonHara, "10.5-10.6"}, {LashonHara, "10.7-10.8"}, {LashonHara, "10.9-10.10"}, {LashonHara, "10.11-10.12"},
    {LashonHara, "10.13"}, {LashonHara, "10.14"}, {LashonHara, "10.15-10.16"}, {LashonHara, "10.17"},
    {Rechilus, "1.1-1.2"}, {Rechilus, "1.3"}, {Rechilus, "1.4-1.5"}, {Rechilus, "1.6-1.7"},
    {Rechilus, "1.8-1.9"}, {Rechilus, "1.10-1.11"}, {Rechilus, "2.1-2.2"}, {Rechilus, "2.3-2.4"},
    {Rechilus, "3.1"}, {Rechilus, "3.2-3.4"}, {Rechilus, "4.1-4.3"}, {Rechilus, "5.1-5.2"},
    {Rechilus, "5.3-5.4"}, {Rechilus, "5.5"}, {Rechilus, "5.6-5.7"}, {Rechilus, "6.1-6.2"},
    {Rechilus, "6.3-6.4"}, {Rechilus, "6.5-6.6"}, {Rechilus, "6.7"}, {Rechilus, "6.8-6.9"},
    {Rechilus, "6.10"}, {Rechilus, "7.1"}, {Rechilus, "7.2"}, {Rechilus, "7.3-7.4"},
    {Rechilus, "7.5"}, {Rechilus, "8.1-8.3"}, {Rechilus, "8.4-8.5"}, {Rechilus, "9.1-9.2"},
    {Rechilus, "9.3-9.4"}, {Rechilus, "9.5-9.6"}, {Rechilus, "9.7-9.9"}, {Rechilus, "9.10"},
    {Rechilus, "9.11-9.12"}, {Rechilus, "9.13"}, {Rechilus, "9.14-9.15"}, {Tziyurim, "1-2"},
    {Tziyurim, "3"}, {Tziyurim, "4-5"}, {Tziyurim, "6-7"}, {Tziyurim, "8-9"},
    {Tziyurim, "10-11"},
}};

}  // namespace

std::string_view ChofetzChaimPartName(TChofetzChaimPart Part)
{
    return PartNames[static_cast<std::size_t>(Part)].English;
}

std::string_view ChofetzChaimPartHebrewName(TChofetzChaimPart Part)
{
    return PartNames[static_cast<std::size_t>(Part)].Hebrew;
}

std::span<const TChofetzChaimDay> ChofetzChaimCommonYear()
{
    return CommonYear;
}

std::span<const TChofetzChaimDay> ChofetzChaimLeapYear()
{
    return LeapYear;
}

TChofetzChaimDay ChofetzChaimShortCheshvan29(bool Leap)
{
    return Leap ? TChofetzChaimDay{LashonHara, "7.1-7.4"} : TChofetzChaimDay{LashonHara, "7.5-7.8"};
}

TChofetzChaimDay ChofetzChaimShortKislev29(bool Leap)
{
    return Leap ? TChofetzChaimDay{Rechilus, "1.1-1.3"} : TChofetzChaimDay{Rechilus, "2.3"};
}

}  // namespace mirvane
