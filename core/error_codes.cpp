#include "core/error_codes.h"

namespace orvane::err {

// The texts are the program's own, byte for byte; "\n" is one line feed.
const ErrorText k001{"001", "エラーコード：001　　CreateMutex 異常終了", "起動に失敗しました。", kBoxStop,
                     false};
const ErrorText k002{"002", "エラーコード：002　　二重起動", "二重起動は、禁止しております。", kBoxStop,
                     false};
const ErrorText k003{
    "003", "エラーコード：003　　LoadFromFile 例外発生",
    "背景画像の取得に失敗しました。\nムリヤリ動かしますか？\n\n「はい」動かす\n「いいえ」終了する",
    kBoxQuestion, false};
const ErrorText k005{"005", "エラーコード：005　　Form_Main->Caption.Length > priIcon_TaskTray.szTip",
                     "アプリケーション名の取得に失敗しました。勝手に縮めます。", kBoxWarning, false};
const ErrorText k006{
    "006", "エラーコード：006　　lstrcpy 異常終了",
    "文字列処理に問題が生じました。ムリヤリ動かしますか？\n\n「はい」動かす\n「いいえ」終了する",
    kBoxQuestion, true};
const ErrorText k007{"007", "エラーコード：007　　Shell_NotifyIcon 失敗（登録）",
                     "タスクトレイにアイコンを登録できませんでした。ムリヤリ動かしますか？\n「はい」動かす\n"
                     "「いいえ」終了する",
                     kBoxQuestion, false};
const ErrorText k008{"008", "エラーコード：008　　Shell_NotifyIcon 失敗（解放）",
                     "タスクトレイアイコンを解放できませんでした。", kBoxStop, false};
const ErrorText k011{"011", "エラーコード：011　　Shell_NotifyIcon 失敗回数報告（登録）",
                     "タスクトレイアイコン登録は%d回目で成功しました。", kBoxInfo, false};
const ErrorText k012{"012", "エラーコード：012　　Shell_NotifyIcon 失敗回数報告（解放）",
                     "タスクトレイアイコン削除は%d回目で成功しました。", kBoxInfo, false};
const ErrorText k013{
    "013", "エラーコード：013　　FindWindow 異常終了",
    "タスクバーにタスクが残っているかもしれません。\n残っている場合は、クリックすれば消えます多分。",
    kBoxWarning, true};
const ErrorText k014{"014", "エラーコード：014　　SystemParametersInfo( SPI_GETWORKAREA ) 異常終了",
                     "画像の位置を変更できませんでした。\n強制的に左上に表示します。", kBoxWarning, true};
const ErrorText k018{"018", "エラーコード：018　　ImageList_GetIcon 失敗",
                     "内部アイコンの取得に失敗しました。\nアイコンアニメーションは正常動作しません。",
                     kBoxWarning, false};
const ErrorText k019{"019", "エラーコード：019　　SetWindowPos 異常終了",
                     "画像の表示に失敗しました。\n見た目は正常に画像が出ているように見えるかもしれません。",
                     kBoxWarning, true};
const ErrorText k020{"020", "エラーコード：020　　GetCursorPos 異常終了",
                     "カーソル位置の座標を取得できませんでした。", kBoxWarning, true};
const ErrorText k021{"021", "エラーコード：021　　SetForegroundWindow 異常終了",
                     "このアプリケーションをフォアグラウンドにできませんでした。", kBoxWarning, true};
const ErrorText k022{"022", "エラーコード：022　　DestroyIcon 異常終了", "メモリの解放に失敗しました・・・",
                     kBoxWarning, true};
const ErrorText k023{"023", "エラーコード：023　　SetWindowRgn 失敗",
                     "リージョンハンドルを作成できませんでした。\n画像は切り抜かれず、通常表示されます。",
                     kBoxWarning, true};
const ErrorText kBcb001{"BCB-001", "UpdateFile エラー（エラーコード：BCB-001）",
                        "ファイルが上書き禁止になっていませんか？\nシステムファイルを書き込めません。\n"
                        "特に支障はありませんが、一部設定が保存されません。",
                        kBoxWarning, false};
const ErrorText kBcb002{"BCB-002", "エラーコード：BCB-002　　GetFileVersionInfoSize 失敗",
                        "バージョン情報の取得に失敗しました。\n大きな問題はありません。", kBoxWarning, true};
const ErrorText kBcb003{"BCB-003", "エラーコード：BCB-003　　GetFileVersionInfo 異常終了",
                        "バージョン情報の取得に失敗しました。\n大きな問題はありません。", kBoxWarning, true};
const ErrorText kBcb004{"BCB-004", "エラーコード：BCB-004　　VerQueryValue 戻り値０",
                        "バージョン情報の取得に失敗しました。\n大きな問題はありません。", kBoxWarning, false};

const ErrorText* const kAll[21] = {&k001, &k002, &k003, &k005,    &k006,    &k007,    &k008,
                                   &k011, &k012, &k013, &k014,    &k018,    &k019,    &k020,
                                   &k021, &k022, &k023, &kBcb001, &kBcb002, &kBcb003, &kBcb004};

}  // namespace orvane::err
