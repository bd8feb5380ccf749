#pragma once

#include "program/version.h"

#include <QString>
#include <QStringList>

// The texts of the program as a user reads them, written out once for the tests.
namespace texts {

inline const QString Version = QString::fromUtf8(kandelo::program::Version.data(), qsizetype(kandelo::program::Version.size()));
inline const QString Title = QStringLiteral("KandeloVer") + Version;

inline const QString KwhPrompt = QStringLiteral("      有効電力量 kWh は？");
inline const QString KvarhPrompt = QStringLiteral("      無効電力量 kvarh は？");
inline const QString HoursPrompt = QStringLiteral("   入力した電力量の積算時間(H) は？");
inline const QString TargetPrompt = QStringLiteral("          目標力率％ は？");

inline const QString ZeroEntry = QStringLiteral("ゼロ以外の数字を何か入力してください！");
inline const QString NotNumeric = QStringLiteral("数字以外が入力されています！");
inline const QString NegativeEntry = QStringLiteral("マイナスでない半角数字を入力してください！");
inline const QString TargetOutOfRange = QStringLiteral("現状の力率以上で、かつ100以下の半角数字を入力してください！");
inline const QString NonNumericKey = QStringLiteral("半角数字を入力してください！");
inline const QString PfOutOfRange = QStringLiteral("0 以上 100未満としてください！");
inline const QString LeadRefusal = QStringLiteral("進み力率のため、計算できません！");
inline const QString Failure = QStringLiteral("エラー　終了します");

// Every text the program may show in a message box.
inline const QStringList Messages = {ZeroEntry,    NotNumeric,  NegativeEntry, TargetOutOfRange,
                                     NonNumericKey, PfOutOfRange, LeadRefusal,   Failure};

inline const QString Six = QStringLiteral("Ｌ＝ ６％");
inline const QString Thirteen = QStringLiteral("Ｌ＝１３％");

} // namespace texts
