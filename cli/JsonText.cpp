#include "cli/JsonText.h"

namespace mirvane {
namespace {

std::string Scalar(const TJson& Value)
{
    return Value.dump(-1, ' ', false, TJson::error_handler_t::replace);
}

}  // namespace

std::string JsonText(const TJson& Value)
{
    if (Value.is_object()) {
        std::string Object = "{";
        for (const auto& [Name, Member] : Value.items()) {
            if (Object.size() > 1)
                Object += ", ";
            Object += Scalar(TJson(Name));
            Object += ": ";
            Object += JsonText(Member);
        }
        return Object + '}';
    }
    if (Value.is_array()) {
        std::string Array = "[";
        for (const TJson& Element : Value) {
            if (Array.size() > 1)
                Array += ", ";
            Array += JsonText(Element);
        }
        return Array + ']';
    }
    return Scalar(Value);
}

}  // namespace mirvane
