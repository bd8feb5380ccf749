#pragma once

#include <string_view>

// Every message box text of the program, each written once.
namespace kandelo::program::message {

inline constexpr std::string_view Failure = "エラー　終了します";
inline constexpr std::string_view ZeroEntry = "ゼロ以外の数字を何か入力してください！";
inline constexpr std::string_view NotNumeric = "数字以外が入力されています！";
inline constexpr std::string_view NegativeEntry = "マイナスでない半角数字を入力してください！";
inline constexpr std::string_view TargetOutOfRange = "現状の力率以上で、かつ100以下の半角数字を入力してください！";
inline constexpr std::string_view NonNumericKey = "半角数字を入力してください！";
inline constexpr std::string_view PfOutOfRange = "0 以上 100未満としてください！";
inline constexpr std::string_view LeadingRefusal = "進み力率のため、計算できません！";

} // namespace kandelo::program::message
