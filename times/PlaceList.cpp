#include "times/PlaceList.h"

#include <charconv>
#include <fstream>


namespace mirvane {
namespace {

constexpr std::string_view Header = "name\tasciiName\thebrewName\tregion\tcountry\tcountryCode\tlatitude\tlongitude\t"
                                    "timezone\tpopulation\tisrael\talternateNames";
constexpr std::size_t FieldCount = 12;

std::vector<std::string_view> Fields(std::string_view Line)
{
    std::vector<std::string_view> Found;
    for (std::size_t Start = 0;;) {
        const std::size_t Tab = Line.find('\t', Start);
        Found.push_back(Line.substr(Start, Tab - Start));
        if (Tab == std::string_view::npos)
            return Found;
        Start = Tab + 1;
    }
}

template <typename Number>
bool ReadNumber(std::string_view Text, Number& Value)
{
    const char* End = Text.data() + Text.size();
    const auto [Stop, Error] = std::from_chars(Text.data(), End, Value);
    return Error == std::errc{} && Stop == End;
}

bool ReadPlace(std::string_view Line, TPlace& Place)
{
    const std::vector<std::string_view> Cells = Fields(Line);
    if (Cells.size() != FieldCount || Cells[0].empty() || Cells[1].empty() || Cells[4].empty() || Cells[8].empty() ||
        (Cells[10] != "0" && Cells[10] != "1"))
        return false;
    Place.Name = Cells[0];
    Place.AsciiName = Cells[1];
    Place.HebrewName = Cells[2];
    Place.Region = Cells[3];
    Place.Country = Cells[4];
    Place.CountryCode = Cells[5];
    Place.TimeZone = Cells[8];
    Place.IsraeliLocality = Cells[10] == "1";
    if (!Cells[11].empty())
        Place.AlternateNames = std::string(Cells[11]) + '|';
    return ReadNumber(Cells[6], Place.Latitude) && ReadNumber(Cells[7], Place.Longitude) &&
           ReadNumber(Cells[9], Place.Population) && Place.Latitude >= -90 && Place.Latitude <= 90 &&
           Place.Longitude >= -180 && Place.Longitude <= 180 && Place.Population >= 0;
}

}  // namespace

std::string PlaceTitle(const TPlace& Place)
{
    std::string Title = Place.Name;
    if (!Place.Region.empty() && Place.Region != Place.Name)
        Title += ", " + Place.Region;
    return Title + ", " + Place.Country;
}

std::vector<TPlace> ReadPlaceList(const std::filesystem::path& File)
{
    std::ifstream Stream(File, std::ios::binary);
    if (!Stream)
        throw EPlaceListError("the place list " + File.string() + " cannot be read");
    std::string Line;
    if (!std::getline(Stream, Line) || Line != Header)
        throw EPlaceListError("the place list " + File.string() + " is damaged: it does not begin with its header");
    std::vector<TPlace> Places;
    for (std::size_t Number = 2; std::getline(Stream, Line); ++Number) {
        TPlace Place;
        if (!ReadPlace(Line, Place))
            throw EPlaceListError("the place list " + File.string() + " is damaged at line " +
                                  std::to_string(Number));
        Places.push_back(std::move(Place));
    }
    if (Stream.bad())
        throw EPlaceListError("the place list " + File.string() + " cannot be read");
    if (Places.empty())
        throw EPlaceListError("the place list " + File.string() + " is damaged: it holds no place");
    return Places;
}

}  // namespace mirvane
