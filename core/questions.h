#pragma once

#include <array>
#include <string_view>

namespace zarvel {

// The question list of Combo1, in the order start-up fills it.
inline constexpr std::array Questions = {
    std::string_view("Кто меня любит?"),
    std::string_view("Кто меня хочет?"),
    std::string_view("Кто по мне скучает?"),
    std::string_view("Кто меня ненавидит?"),
    std::string_view("Кто меня боготворяет?"),
    std::string_view("Кто хочет видеть сейчас?"),
    std::string_view("Кто хочет взять в супруги?"),
    std::string_view("Кому я снюсь?"),
    std::string_view("Кто вспоминает?"),
    std::string_view("Кто ревнует?"),
    std::string_view("Кто хочет дружить?"),
    std::string_view("Кто целует?"),
    std::string_view("Кто равнодушен?"),
    std::string_view("Кто работящий?"),
    std::string_view("Кто ленивый?"),
    std::string_view("Кто красивее?"),
    std::string_view("Кто умнее?"),
    std::string_view("Кто богаче?"),
};

} // namespace zarvel
