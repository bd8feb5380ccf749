#include "batch/help.h"

namespace kandelo::batch {

std::string_view helpText()
{
    return R"(使い方 / Usage:
  kandelo                                     画面で計算します / the screens
  kandelo --batch 入力.csv [-o 出力.csv] [--encoding 文字コード]
          [--input-encoding 文字コード]
  kandelo --months [月別.csv]                 月別の力率の画面 / the months' window
  kandelo --months 月別.csv --frequency 50|60 [--target 目標力率]
          [-o 出力.csv] [--encoding 文字コード] [--input-encoding 文字コード]
  kandelo --help | --version

--batch 入力.csv
    お客さまごとの検針値の CSV を一行ずつ計算し、
    画面と同じ文字で結果を書きます。
    「-」は標準入力です。見出しで列を探します（順不同）:
      有効電力量 または kwh      （必須）
      無効電力量 または kvarh    （必須、進みはマイナス）
      積算時間   または hours    （目標力率と一緒に）
      目標力率   または target   （積算時間と一緒に）
      契約電力   または contract_kw（基本料金単価と一緒に）
      基本料金単価 または unit_price（契約電力と一緒に）
    見出しは名前だけか、名前と単位です（有効電力量kWh、
    有効電力量（kWh）、契約電力（ｋW）など。全角の英数字も
    読みます）。ほかの列はそのまま残ります。
    見出しより項目の多い行は計算せず、エラーの列に書きます。
    容量計算の行には標準品の容量、構成、設置後の力率と、
    契約電力と単価があれば基本料金の節減額（円／月、数字のみ）も
    書きます。このプログラムの結果のファイルは計算し直します。
    Computes each row of a CSV file of meter readings, one customer a row,
    and writes the texts the screens show for it. "-" reads standard input.
    Columns are found by their heading, in any order: 有効電力量 or kwh
    (required), 無効電力量 or kvarh (required; negative when leading),
    積算時間 or hours and 目標力率 or target (both, for the capacitor sizing),
    契約電力 or contract_kw and 基本料金単価 or unit_price (both, for the
    saving on the basic charge).
    A heading is the name alone or with its unit (有効電力量kWh, kwh (kWh),
    契約電力（ｋW）), full-width letters and digits read as half-width ones.
    Other columns are carried through. A row with more fields than the
    heading is not computed; the error column says so. A sized row also
    gives the standard unit of each frequency, its units and the power factor
    it gives, and with a contract and its unit price the saving a month, in
    yen as a plain number. A result file of this program is computed anew.
--months 月別.csv
    お客さまの月ごとの検針値（一行が一か月、36か月まで）から、
    請求上の力率、平均電力、目標力率までの必要容量、固定のみと
    固定＋自動のコンデンサの力率と節減額を列に書き、空の行のあとに
    計画（固定のみ（kvar）、固定部分、自動部分、全体、節減額合計、
    月数など）を見出しと値の行で書きます。列の見出し:
      年月、日数（積算時間は14時間×日数）または 積算時間、
      有効電力量 と 無効電力量（力測用）、または 有効指示数 と
      無効指示数 と 乗率（前の行の指示数との差×乗率）、
      契約電力、基本料金単価、請求書の力率（いずれも任意）
    画面で保存したファイルも、この結果のファイルも読み直せます。
    -o がなければ、「--months 月別.csv」だけで画面が開きます。
    From a customer's months (a row a month, up to 36), writes the power
    factor billed, the average powers, the capacity needed for the target,
    and the power factor and saving of a fixed and of a fixed-and-automatic
    capacitor; then, after an empty row, the plan as caption-and-value rows.
    Columns: 年月 (month), 日数 (days; 14 h a day) or 積算時間 (hours),
    有効電力量 and 無効電力量 (kwh, kvarh of the power-factor period), or
    有効指示数, 無効指示数 and 乗率 (register readings and multiplier),
    and optional 契約電力, 基本料金単価 and 請求書の力率 (billed_pf).
    "--months FILE" alone opens the window instead.
--frequency 50 | 60
    標準品の系列の周波数（必須。ファイルにあればそれを使います）。
    The frequency of the standard units (required unless the file has it).
--target 目標力率
    目標力率（％）。ファイルにあればそれを使います。
    The target power factor, %, unless the file has it.
-o, --output 出力.csv
    結果の書き先。省略すると標準出力です。
    書き終えてから置き換えます（権限は元のまま）。
    Where the result goes; standard output without it. The file is only
    replaced once the result is complete, and keeps its permissions.
--encoding utf-8-bom | utf-8 | cp932
    結果の文字コード（既定は BOM 付き UTF-8）。
    The encoding of the result (UTF-8 with a byte-order mark by default, so
    spreadsheet programs read it right).
--input-encoding utf-8 | cp932
    入力の文字コード。省略すると UTF-8 と Shift_JIS（CP932）を
    ファイル全体から判別します。
    The encoding of the input. Without it, UTF-8 (with or without a
    byte-order mark) and Shift_JIS (CP932) are told apart from the whole file.
-h, --help
    この説明 / this help
--version
    版 / the version

終了コード / Exit status:
  0  すべての行を計算しました / every row was computed
  1  エラーの列にメッセージがある行があります（--months では、
     計算に入れなかった月があるか、計画が出せません）
     / some rows carry a message in the error column (--months: a month
       was left out, or no plan could be worked out)
  2  使い方、ファイルまたは入力の誤り、メモリー不足（標準エラーに一行）
     / a usage, file or input error, or memory running out
       (one line on standard error)
)";
}

} // namespace kandelo::batch
