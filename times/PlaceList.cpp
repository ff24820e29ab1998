#include "times/PlaceList.h"

#include <charconv>
#include <fstream>


namespace mirvane {
namespace {

constexpr std::string_view Header = "name\tasciiName\tregion\tcountry\tlatitude\tlongitude\ttimezone\tpopulation";
constexpr std::size_t FieldCount = 8;

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
    if (Cells.size() != FieldCount || Cells[0].empty() || Cells[1].empty() || Cells[3].empty() || Cells[6].empty())
        return false;
    Place.Name = Cells[0];
    Place.AsciiName = Cells[1];
    Place.Region = Cells[2];
    Place.Country = Cells[3];
    Place.TimeZone = Cells[6];
    return ReadNumber(Cells[4], Place.Latitude) && ReadNumber(Cells[5], Place.Longitude) &&
           ReadNumber(Cells[7], Place.Population) && Place.Latitude >= -90 && Place.Latitude <= 90 &&
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
