#include "assets/asset_table.h"

#include <cstdio>
#include <cstdlib>

namespace assets {
namespace {

using L = Look;

// Rows by game. Sizes come from the screens that show the pictures or cut cells out
// of them; pictures whose screens only place them get the size their names give.
constexpr AssetRow kAssets[] = {
    // ---- Skelvane pictures: "bmp_data/" ----
    {"bmp_data/Event/Opening00.BMP", "", L::Scene, 920, 690, 0, 0, 1, "白砂市の夜明け"},
    {"bmp_data/Face/整備02_s250x176_0.BMP", "", L::Face, 250, 176, 0, 0, 1, "整備士"},
    {"bmp_data/Face/整備01_高さ調整2_s250x175.BMP", "", L::Face, 250, 175, 0, 0, 1, "整備士"},
    {"bmp_data/Face/通信01_高さ調整1_s250x175.BMP", "", L::Face, 250, 175, 0, 0, 1, "通信士"},
    {"bmp_data/Face/隊員A01_s250x176_0.BMP", "", L::Face, 250, 176, 0, 0, 1, "隊員"},
    {"bmp_data/Face/ルーキー01_s250x176_0.BMP", "", L::Face, 250, 176, 0, 0, 1, "ルーキー"},
    {"bmp_data/Face/曹長01_s250x176_0.BMP", "", L::Face, 250, 176, 0, 0, 1, "曹長"},
    {"bmp_data/Face/Face_Player00.BMP", "", L::Face, 250, 176, 0, 0, 1, "主人公"},
    {"bmp_data/Face/顔_店の主人(s130)_決定.BMP", "", L::Face, 130, 130, 0, 0, 1, "店の主人"},
    {"bmp_data/asetobi_60L.BMP", "", L::Icons, 60, 60, 60, 60, 1, "汗"},
    {"bmp_data/asetobi_60R.BMP", "", L::Icons, 60, 60, 60, 60, 1, "汗"},
    {"bmp_data/asehiya_60.BMP", "", L::Icons, 60, 60, 60, 60, 1, "汗"},
    // Event 0 of the opening fades 1000 in on a 512 by 384 layer.
    {"bmp_data/Event/ぐちぱ飛ぶ_(x256→x512)_1.BMP", "", L::Scene, 512, 384, 0, 0, 1, "飛行"},
    {"bmp_data/Event/地球01_(512X177)_0.BMP", "", L::Scene, 512, 177, 0, 0, 1, "地球"},
    {"bmp_data/Event/再び危機01_(512x177)_0仮.BMP", "", L::Scene, 512, 177, 0, 0, 1, "危機"},
    {"bmp_data/Event/瓦礫00_(512x177)_0仮.BMP", "", L::Scene, 512, 177, 0, 0, 1, "瓦礫"},
    {"bmp_data/Event/都市破壊03_ビル(160x70→x4)_0.BMP", "", L::Scene, 160, 70, 0, 0, 1, "ビル"},
    {"bmp_data/Event/都市破壊03_破壊(160x70→x4)_0.BMP", "", L::Scene, 160, 70, 0, 0, 1, "破壊"},
    {"bmp_data/Event/都市上空03_(s800→s640)_6B.BMP", "", L::Scene, 640, 480, 0, 0, 1, "都市上空"},
    {"bmp_data/Event/都市破壊04_(s800→s640)_No00.BMP", "", L::Scene, 640, 480, 0, 0, 1, "崩れゆく都市"},
    {"bmp_data/Event/都市破壊04_(s800→s640)_No01b.BMP", "", L::Scene, 640, 480, 0, 0, 1, "崩れゆく都市"},
    {"bmp_data/Event/都市破壊04_(s800→s640)_No02.BMP", "", L::Scene, 640, 480, 0, 0, 1, "崩れゆく都市"},
    {"bmp_data/Event/都市破壊04_(s800→s640)_No03b.BMP", "", L::Scene, 640, 480, 0, 0, 1, "崩れゆく都市"},
    {"bmp_data/Event/都市破壊04_(s800→s640)_No04.BMP", "", L::Scene, 640, 480, 0, 0, 1, "崩れゆく都市"},
    {"bmp_data/Event/都市破壊04_(s800→s640)_No05b.BMP", "", L::Scene, 640, 480, 0, 0, 1, "崩れゆく都市"},
    {"bmp_data/Event/都市破壊04_(s800→s640)_No06.BMP", "", L::Scene, 640, 480, 0, 0, 1, "崩れゆく都市"},
    {"bmp_data/Event/都市破壊04_(s800→s640)_No07b.BMP", "", L::Scene, 640, 480, 0, 0, 1, "崩れゆく都市"},
    {"bmp_data/Event/都市破壊04_(s800→s640)_No08.BMP", "", L::Scene, 640, 480, 0, 0, 1, "崩れゆく都市"},
    // Sheet 1 of event 13: five 75 by 120 sprites side by side, the rescue craft
    // (ツバメ one to four) that climb away at the opening's end.
    {"bmp_data/Event/SkelvaneカードA.BMP", "", L::Craft, 375, 120, 75, 120, 1, "一二三四"},
    // Sheet 2 of event 14 (stage 2), and its finished title card: event 14 builds the
    // title on a green ground (0, 197, 0) from the name strip (cell 200, sliced into
    // 210 to 219), four pictures (201 to 204) and a bar (205), then shows this
    // picture over the same ground, its 90 rows below the card still green. The
    // pieces stand where the cells cut them; the rest is the ground.
    {"bmp_data/Event/Title01_(s800_16Bit).BMP", "", L::Pieces, 920, 600, 0, 0, 1,
     "#00C500|スケルヴェイン@214,42,365,42|救助艇ツバメ@80,92,213,209|白砂市@300,92,213,209|"
     "隊員たち@520,92,213,209|星を還す者たち@300,310,199,239|白砂市救助隊　出動！@0,570,920,30"},
    // Sheet 3 of event 13: three 75 by 100 trails, the flames under the climbing craft.
    {"bmp_data/Event/Skelvane１用CG1.BMP", "", L::Exhaust, 225, 100, 75, 100, 1, ""},
    {"bmp_data/Back/Back_Map00.BMP", "", L::Scene, 920, 690, 0, 0, 1, "地図"},
    // Event 5 reads the 300 rows above the picture's last 8.
    {"bmp_data/Back/Back_Base00_Before.BMP", "", L::Scene, 920, 600, 0, 0, 1, "スケルヴェイン基地"},
    {"bmp_data/Back/Back_Base00_After.BMP", "", L::Scene, 920, 300, 0, 0, 1, "崩れた基地"},
    // Event 6 cuts eight pieces of the wrecked base out of it and sends them flying:
    // each cell a fragment, no words to be cut apart.
    {"bmp_data/Back/Back_Base00_Parts.BMP", "", L::Pieces, 240, 200, 0, 0, 1,
     "#000000|@80,88,36,56|@148,120,82,76|@80,0,56,88|@116,120,24,16|@136,0,96,120|@0,0,80,128|@0,144,148,52|"
     "@116,88,20,28"},
    {"bmp_data/Event/Skelvane１_カード裏_横(80x50)_1.BMP", "", L::Panel, 80, 50, 0, 0, 1, "裏"},

    // ---- Skelvane sounds: "Sound_Data/" ----
    {"Sound_Data/Music/m-8.MP3", "", L::Music},
    {"Sound_Data/Sound/豪快な斬撃！★P56FI（轟音ぼうー）.wav", "", L::Effect},
    {"Sound_Data/Sound/A1_13237の抽出、△ふぃ１.wav", "", L::Effect},
    {"Sound_Data/Sound/A1_13237より◎ほぃ→ピッチ70.wav", "", L::Effect},
    {"Sound_Data/Sound/A1_05100女神Pit126→Pit66.wav", "", L::Effect},
    {"Sound_Data/Sound/A1_11206、プワ！・ピッチ上2◎.wav", "", L::Effect},
    {"Sound_Data/Sound/A1_11206、プワ！・ピッチ上◎短.wav", "", L::Effect},
    {"Sound_Data/Sound/A1_05101とA1_07125●じゅば！Pit79.wav", "", L::Effect},
    {"Sound_Data/Sound/A1_03064_爆音★F37FI（３機発射前.wav", "", L::Effect},
    {"Sound_Data/Sound/A1_03064_爆音★F37（３機発射？.wav", "", L::Effect},
    {"Sound_Data/Sound/Title/A1_11206、プワ！・ピッチ上2◎→P50.wav", "", L::Effect},
    {"Sound_Data/Sound/Title/A1_13234_◎前半（風しゃっ）.wav", "", L::Effect},
    {"Sound_Data/Sound/Title/A1_11206、プワ！・ピッチ上2◎Pit79.wav", "", L::Effect},
    {"Sound_Data/Sound/Title/A1_11206、プワ！、○Pit31完成.wav", "", L::Effect},
    {"Sound_Data/Sound/Title/A1_13237より◎ぴぴっ.wav", "", L::Effect},
    {"Sound_Data/Sound/Title/A5_01023_◎P63FI・即FO→84（打ドーン！）★.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/新ぶっ○.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/A1_18280★ぷんっ.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/新ぶっ○P63.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/Fu40_Pu_Timer.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/A1_02039_警報★F28後半.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/A1_13234_◎前半短→133後半（風しゃっ最短）.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/A1_18280★P112.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/Fu41_Pu_Choku.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/Fu42_Pu_224.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/Fu43_Pu_252.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/Fu44_Pu_149.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/G2_05 ぽうっ、◎.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/A5_04125★振る音P33FO→P224（ぶうっ）フキ.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/ぷ、◎P50FI（フキ・ぽくん.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/ぷ、◎P50（フキ・ぽくん.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/ぷ、◎P50（フキ・びっくり.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/A5_10312_振るP63前半（ぶっ）フ・中声.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/A5_10312_振るP63→P63（ぶぉ）フ・「はっ！」.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/A1_16258_ポイポイッ◎Pit126→56冒頭部.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/Mi131_Ques.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/Mi132_!Red.wav", "", L::Effect},
    {"Sound_Data/Sound/Inter/Mi133_!Yellow.wav", "", L::Effect},
    {"Sound_Data/Sound/Game/A1_02040ビイーンP126.wav", "", L::Effect},
    {"Sound_Data/Sound/Game/A1_02040ビイーンPit149.wav", "", L::Effect},
    {"Sound_Data/Sound/Game/A5_01014★「決定」_■結果Pit94→Pit50短1.wav", "", L::Effect},
    {"Sound_Data/Sound/Voice/Voice_{n}.wav", "1000-1999", L::Voice},

    // ---- Marbrook pictures: "Tanselr_Data/TanselrCG/" ----
    // The click-wait mark, which the engine shows in every mode.
    {"Tanselr_Data/TanselrCG/ETC/ClickWait_Fs16.JPG", "", L::Mark, 24, 24},
    // Title pictures (kind 5) as the title sequence and the menus cut them.
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "0", L::Icons, 112, 16, 16, 16, 1, "MARBROO"},
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "1", L::Sheet, 800, 280, 800, 140, 1, "Thornquill|presents"},
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "2", L::Title, 480, 200, 0, 0, 1, "presents"},
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "5", L::Title, 400, 200, 0, 0, 1, "Marbrook"},
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "10", L::Scene, 920, 690, 0, 0, 1, "タイトル背景"},
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "12", L::Icons, 300, 50, 50, 50, 1, "マーブルック"},
            {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "15", L::Face, 296, 368, 0, 0, 1, "看板娘"},
        {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "20", L::Title, 920, 690, 0, 0, 1, "Marbrook"},
        // Title-menu buttons 400 by 100 (the fifth 200 by 100), enabled left, disabled right.
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "30", L::Sheet, 800, 500, 400, 100, 2,
     "はじめから@0,0,400,100|チャプター@0,100,400,100|ギャラリー@0,200,400,100|おまけ@0,300,400,100|"
     "終了@0,400,200,100"},
    // The gallery button's sub-menu, under the button itself as its heading: the
    // picture gallery's select, then the scene select.
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "37", L::Sheet, 500, 300, 500, 100, 1,
     "イベント絵を見る|シーンをもう一度見る|もどる"},
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "50", L::Sheet, 1000, 800, 500, 200, 2,
     "シーン回想|カジノ|おまけＣＧ|もどる"},
    // The gallery select's source: 112 by 84 cells, five normal then five highlighted;
    // cell c a small copy of the first picture of the gallery entry it opens, named.
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "71", L::Thumbs, 1120, 588, 112, 84, 2,
     "Tanselr_Data/TanselrCG/Event/Event00-00.JPG:港町の朝|Tanselr_Data/TanselrCG/Event/Event01-00.JPG:灯籠流し|Tanselr_Data/TanselrCG/Event/Event02-01.JPG:リコの舞台|"
     "Tanselr_Data/TanselrCG/Event/Event03-00.JPG:クロエの近道|Tanselr_Data/TanselrCG/Event/Event04-00.JPG:挑戦状|Tanselr_Data/TanselrCG/Event/Event05-00.JPG:ことり堂|"
     "Tanselr_Data/TanselrCG/Event/Event06-00.JPG:港の朝市|Tanselr_Data/TanselrCG/Event/Event07-00.JPG:見晴らしの丘|Tanselr_Data/TanselrCG/Event/Event08-00.JPG:古い記録|"
     "Tanselr_Data/TanselrCG/Event/Event09-00.JPG:ソラの研究所|Tanselr_Data/TanselrCG/Event/Event10-00.JPG:勝負の前に|Tanselr_Data/TanselrCG/Event/Event11-00.JPG:屋台通り|"
     "Tanselr_Data/TanselrCG/Event/Event12-00.JPG:夜の川辺|Tanselr_Data/TanselrCG/Event/Event20-00.JPG:図書館の奥|Tanselr_Data/TanselrCG/Event/Event21-00.JPG:届いた小包|"
     "Tanselr_Data/TanselrCG/Event/Event22-00.JPG:札占い|Tanselr_Data/TanselrCG/Event/Event23-00.JPG:文字遊び|Tanselr_Data/TanselrCG/Event/Event24-00.JPG:開いた木箱|"
     "Tanselr_Data/TanselrCG/Event/Event25-00.JPG:劇場への配達|Tanselr_Data/TanselrCG/Event/Event26-00.JPG:遊技場|Tanselr_Data/TanselrCG/Event/Event30-00.JPG:冒険劇|"
     "Tanselr_Data/TanselrCG/Event/Event31-00.JPG:古い帳面|Tanselr_Data/TanselrCG/Event/Event32-00.JPG:かもめ騒動|Tanselr_Data/TanselrCG/Event/Event33-00.JPG:ミナの練習|"
     "Tanselr_Data/TanselrCG/Event/Event34-00.JPG:最後の日の朝|Tanselr_Data/TanselrCG/Event/Event35-00.JPG:館の門|Tanselr_Data/TanselrCG/Event/Event36-00.JPG:フィンの約束|"
     "Tanselr_Data/TanselrCG/Event/Event37-00.JPG:館へ|Tanselr_Data/TanselrCG/Event/Event40-00.JPG:閉会式|Tanselr_Data/TanselrCG/Event/Event41-00.JPG:塔の階段|"
     "Tanselr_Data/TanselrCG/Event/Event50-00.JPG:アンナ|Tanselr_Data/TanselrCG/Event/Event51-00.JPG:クロエ|Tanselr_Data/TanselrCG/Event/Event52-00.JPG:広場の声"},
    // The scene select's source, as the gallery's: cell c the opening picture of the
    // stage it replays, with the stage's name.
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "72", L::Thumbs, 1120, 588, 112, 84, 2,
     "Tanselr_Data/TanselrCG/Event/Event01-00.JPG:灯籠流しの夜|Tanselr_Data/TanselrCG/Event/Event02-01.JPG:リコの大舞台|Tanselr_Data/TanselrCG/Event/Event03-00.JPG:クロエの近道|"
     "Tanselr_Data/TanselrCG/Event/Event04-00.JPG:夕暮れの挑戦状|Tanselr_Data/TanselrCG/Event/Event05-00.JPG:ことり堂の厨房|Tanselr_Data/TanselrCG/Event/Event06-00.JPG:港の朝市|"
     "Tanselr_Data/TanselrCG/Event/Event07-00.JPG:見晴らしの丘|Tanselr_Data/TanselrCG/Event/Event08-00.JPG:古い記録|Tanselr_Data/TanselrCG/Event/Event09-00.JPG:ソラの研究所|"
     "Tanselr_Data/TanselrCG/Event/Event10-00.JPG:勝負の前に|Tanselr_Data/TanselrCG/Event/Event11-00.JPG:屋台通り|Tanselr_Data/TanselrCG/Event/Event12-00.JPG:夜の川辺|"
     "Tanselr_Data/TanselrCG/Event/Event20-00.JPG:図書館の奥|Tanselr_Data/TanselrCG/Event/Event21-00.JPG:届いた小包|Tanselr_Data/TanselrCG/Event/Event22-00.JPG:リコの札占い|"
     "Tanselr_Data/TanselrCG/Event/Event23-00.JPG:文字遊び|Tanselr_Data/TanselrCG/Event/Event24-00.JPG:開いた木箱|Tanselr_Data/TanselrCG/Event/Event25-00.JPG:劇場への配達|"
     "Tanselr_Data/TanselrCG/Event/Event26-00.JPG:遊技場のフィン|Tanselr_Data/TanselrCG/Event/Event30-00.JPG:劇団の冒険劇|Tanselr_Data/TanselrCG/Event/Event31-00.JPG:古い帳面|"
     "Tanselr_Data/TanselrCG/Event/Event32-00.JPG:かもめ騒動|Tanselr_Data/TanselrCG/Event/Event33-00.JPG:ミナの練習|Tanselr_Data/TanselrCG/Event/Event34-00.JPG:最後の日の朝|"
     "Tanselr_Data/TanselrCG/Event/Event35-00.JPG:古い館の門|Tanselr_Data/TanselrCG/Event/Event36-02.JPG:フィンの約束|Tanselr_Data/TanselrCG/Event/Event37-00.JPG:館へ|"
     "Tanselr_Data/TanselrCG/Event/Event40-00.JPG:閉会式|Tanselr_Data/TanselrCG/Event/Event41-00.JPG:塔の階段|Tanselr_Data/TanselrCG/Event/Event50-00.JPG:アンナの声|"
     "Tanselr_Data/TanselrCG/Event/Event51-00.JPG:クロエの届け物|Tanselr_Data/TanselrCG/Event/Event52-00.JPG:広場の声"},
    // The picture gallery's buttons: 50 by 50 cells.
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "60", L::Sheet, 250, 50, 50, 50, 1, "→|←|↓|↑|×"},
    // System pictures (kind 6).
    {"Tanselr_Data/TanselrCG/Title/Sys_{nn}.JPG", "0", L::Scene, 920, 690, 0, 0, 1, "カーテン"},
    // The settings screen's artwork: the screen lights its bars and switches on it.
    {"Tanselr_Data/TanselrCG/Title/Sys_{nn}.JPG", "10", L::Settings, 920, 690, 0, 0, 1,
     "設定|音楽|効果音|音声|次へ進むとき、声を止める|自動で読むとき、声を待つ|新しいステージで自動読みをやめる|右クリックで閉じる"},
    // Stage 6's guide, which the choice buttons rising to y 390 cover at its foot: its
    // name stands at its top.
    {"Tanselr_Data/TanselrCG/Title/Sys_{nn}.JPG", "20", L::Face, 300, 300, 0, 0, 1, "案内役@6,6,120,30"},
    // Last-boss duel. Sheet 0: the conversation's choice buttons in rows 0 to 2, the
    // four command cards in rows 3 and 4 (240 by 80 cells, two side by side per row).
    // Row 0 answers both of the finale's questions ("ひとりで来たのか？", "何か聞こえる
    // か？"); row 2 is stage 6's choice between its stages 7 and 8; the finale's single
    // button (row 3, left) starts the fight, as the attack card does.
    {"Tanselr_Data/TanselrCG/Title/Sys_{nn}.JPG", "30", L::Sheet, 480, 400, 240, 80, 1,
     "はい|いいえ|進む|戻る|強がる|素直になる|こうげき|ぼうぎょ|おどる|ひっさつ"},
    // The duel's instruction board: what each card does (the special attack is dealt
    // while the player has 20 points or more).
    {"Tanselr_Data/TanselrCG/Title/Sys_{nn}.JPG", "35", L::Notice, 600, 300, 0, 0, 1,
     "#7A1E3C カードを選んで戦おう！/こうげき … 魔王の体力をけずる/ぼうぎょ … このターンに受けるダメージを５分の１に/"
     "ひっさつ … 自分の体力の半分と引きかえに、大ダメージ/おどる … 魔王が奥義を放つときに……？"},
    {"Tanselr_Data/TanselrCG/Title/Sys_{nn}.JPG", "39", L::Sheet, 500, 150, 500, 150, 1, "決戦開始！"},
    {"Tanselr_Data/TanselrCG/Title/Sys_{nn}.JPG", "40", L::Sheet, 500, 150, 500, 150, 1, "敗北……"},
    {"Tanselr_Data/TanselrCG/Title/Sys_{nn}.JPG", "41", L::Sheet, 500, 150, 500, 150, 1, "勝利！"},
    // Hit-point panels, 120 by 60 and 200 by 100 whatever the picture: the duel prints
    // the points centred at sizes 36 and 70, and 100 then fills the panel from side to
    // side, so a caption would lie under it; the panels stand by their fighters.
    {"Tanselr_Data/TanselrCG/Title/Sys_{nn}.JPG", "50", L::Label, 120, 60, 0, 0, 1, ""},
    {"Tanselr_Data/TanselrCG/Title/Sys_{nn}.JPG", "51", L::Label, 200, 100, 0, 0, 1, ""},
    // Sheet 1: the retry and quit buttons after a defeat, 600 by 150 one above the other.
    {"Tanselr_Data/TanselrCG/Title/Sys_{nn}.JPG", "60", L::Sheet, 600, 300, 600, 150, 1, "もういちど|タイトルへ"},
    // The fighters (0 normal, 2 hit, 3 beaten or dancing), also shown by the finale;
    // each name stands where neither screen covers it. The boss stands at (270, 0) in
    // the duel, its hit points over the picture's top-left and its balloon from 214
    // down, and at (170, -70) in the finale: its name stands right of its head, low
    // enough to show whole there. Bell stands at (-35, 320) in the duel, her hit points
    // and the damage over her lower half and her balloon to her right, and stays there
    // when the duel hands back to the finale, whose boss balloon reaches down to 390
    // from x 135; earlier in the finale she stands at (-100, 265). Only the picture's
    // top from x 100 to 165 is clear in all of these: room for her name alone, so she
    // also wears the colours of her other pictures, which follow the name.
    {"Tanselr_Data/TanselrCG/Z_face/ZFace_A{nn}.JPG", "0-5", L::Face, 580, 300, 0, 0, 1, "魔王@450,80,120,30"},
    {"Tanselr_Data/TanselrCG/Z_face/ZFace_C{nn}.JPG", "0-5", L::Face, 260, 370, 0, 0, 1, "ベル@100,6,65,30"},
    // Backgrounds and minis of the conversations (kinds 30 to 99).
    {"Tanselr_Data/TanselrCG/ETC/Back00a.JPG", "", L::Scene, 920, 690, 0, 0, 1, "夜明けの港町"},
    {"Tanselr_Data/TanselrCG/ETC/00Face_10L.JPG", "", L::Face, 300, 420, 0, 0, 1, "ミナ"},
    {"Tanselr_Data/TanselrCG/ETC/Back01_920.JPG", "", L::Scene, 920, 690, 0, 0, 1, "広場"},
    {"Tanselr_Data/TanselrCG/ETC/BackMain00.JPG", "", L::Scene, 920, 690, 0, 0, 1, "マーブルック"},
    {"Tanselr_Data/TanselrCG/ETC/Back02.JPG", "", L::Scene, 920, 690, 0, 0, 1, "大通り"},
    {"Tanselr_Data/TanselrCG/ETC/Back03.JPG", "", L::Scene, 920, 690, 0, 0, 1, "祭りの本部"},
    {"Tanselr_Data/TanselrCG/ETC/asetobi_60L.JPG", "", L::Icons, 60, 60, 60, 60, 1, "汗"},
    {"Tanselr_Data/TanselrCG/ETC/asetobi_60R.JPG", "", L::Icons, 60, 60, 60, 60, 1, "汗"},
    {"Tanselr_Data/TanselrCG/ETC/asehiya_60.JPG", "", L::Icons, 60, 60, 60, 60, 1, "汗"},
    // Event pictures (kinds 100 to 199): the numbers the stages, their flip-books
    // and the picture gallery show; each captioned with the scene it belongs to.
    {"Tanselr_Data/TanselrCG/Event/Event00-{nn}.JPG", "0,1", L::Scene, 920, 690, 0, 0, 1, "夜明けの港町"},
    {"Tanselr_Data/TanselrCG/Event/Event01-{nn}.JPG", "0,1,5,7,11-13,16,30-32,35,40,45,50,55,56", L::Scene, 920, 690, 0, 0, 1, "灯籠流しの夜"},
    {"Tanselr_Data/TanselrCG/Event/Event02-{nn}.JPG", "1-9", L::Scene, 920, 690, 0, 0, 1, "リコの大舞台"},
    {"Tanselr_Data/TanselrCG/Event/Event03-{nn}.JPG", "0,1", L::Scene, 920, 690, 0, 0, 1, "クロエの近道"},
    {"Tanselr_Data/TanselrCG/Event/Event04-{nn}.JPG", "0,1", L::Scene, 920, 690, 0, 0, 1, "夕暮れの挑戦状"},
    {"Tanselr_Data/TanselrCG/Event/Event05-{nn}.JPG", "0", L::Scene, 920, 690, 0, 0, 1, "ことり堂の厨房"},
    {"Tanselr_Data/TanselrCG/Event/Event06-{nn}.JPG", "0-5", L::Scene, 920, 690, 0, 0, 1, "港の朝市"},
    {"Tanselr_Data/TanselrCG/Event/Event07-{nn}.JPG", "0-5", L::Scene, 920, 690, 0, 0, 1, "見晴らしの丘"},
    {"Tanselr_Data/TanselrCG/Event/Event08-{nn}.JPG", "0-2", L::Scene, 920, 690, 0, 0, 1, "図書館の古い記録"},
    {"Tanselr_Data/TanselrCG/Event/Event09-{nn}.JPG", "0,1", L::Scene, 920, 690, 0, 0, 1, "ソラの研究所"},
    {"Tanselr_Data/TanselrCG/Event/Event10-{nn}.JPG", "0,1", L::Scene, 920, 690, 0, 0, 1, "勝負の前に"},
    {"Tanselr_Data/TanselrCG/Event/Event11-{nn}.JPG", "0,1,4-15", L::Scene, 920, 690, 0, 0, 1, "屋台通りの夜"},
    {"Tanselr_Data/TanselrCG/Event/Event12-{nn}.JPG", "0-2", L::Scene, 920, 690, 0, 0, 1, "夜の川辺"},
    {"Tanselr_Data/TanselrCG/Event/Event20-{nn}.JPG", "0-3", L::Scene, 920, 690, 0, 0, 1, "図書館の奥"},
    {"Tanselr_Data/TanselrCG/Event/Event21-{nn}.JPG", "0,1", L::Scene, 920, 690, 0, 0, 1, "届いた小包"},
    {"Tanselr_Data/TanselrCG/Event/Event22-{nn}.JPG", "0,5,10,15,16", L::Scene, 920, 690, 0, 0, 1, "リコの札占い"},
    {"Tanselr_Data/TanselrCG/Event/Event23-{nn}.JPG", "0,5-7,10,15,20-22,25", L::Scene, 920, 690, 0, 0, 1, "子どもたちの文字遊び"},
    {"Tanselr_Data/TanselrCG/Event/Event24-{nn}.JPG", "0,1,4-7", L::Scene, 920, 690, 0, 0, 1, "開いた木箱"},
    {"Tanselr_Data/TanselrCG/Event/Event25-{nn}.JPG", "0,5-7,10-12,15-17,20", L::Scene, 920, 690, 0, 0, 1, "劇場への配達"},
    {"Tanselr_Data/TanselrCG/Event/Event26-{nn}.JPG", "0,5,10", L::Scene, 920, 690, 0, 0, 1, "遊技場のフィン"},
    {"Tanselr_Data/TanselrCG/Event/Event30-{nn}.JPG", "0,1,5-7,10,11,15,16,20-22", L::Scene, 920, 690, 0, 0, 1, "劇団の冒険劇"},
    {"Tanselr_Data/TanselrCG/Event/Event31-{nn}.JPG", "0,5,10,11,15", L::Scene, 920, 690, 0, 0, 1, "ことり堂の古い帳面"},
    {"Tanselr_Data/TanselrCG/Event/Event32-{nn}.JPG", "0,1,5,6,10,11,15,16", L::Scene, 920, 690, 0, 0, 1, "かもめ騒動"},
    {"Tanselr_Data/TanselrCG/Event/Event33-{nn}.JPG", "0-3", L::Scene, 920, 690, 0, 0, 1, "ミナの練習"},
    {"Tanselr_Data/TanselrCG/Event/Event34-{nn}.JPG", "0,5", L::Scene, 920, 690, 0, 0, 1, "最後の日の朝"},
    {"Tanselr_Data/TanselrCG/Event/Event35-{nn}.JPG", "0,1,5,6", L::Scene, 920, 690, 0, 0, 1, "古い館の門"},
    {"Tanselr_Data/TanselrCG/Event/Event36-{nn}.JPG", "0-2,5-7,10", L::Scene, 920, 690, 0, 0, 1, "フィンの約束"},
    {"Tanselr_Data/TanselrCG/Event/Event37-{nn}.JPG", "0", L::Scene, 920, 690, 0, 0, 1, "館へ"},
    {"Tanselr_Data/TanselrCG/Event/Event40-{nn}.JPG", "0-2", L::Scene, 920, 690, 0, 0, 1, "閉会式"},
    {"Tanselr_Data/TanselrCG/Event/Event41-{nn}.JPG", "0", L::Scene, 920, 690, 0, 0, 1, "塔の階段"},
    {"Tanselr_Data/TanselrCG/Event/Event42-{nn}.JPG", "0", L::Scene, 920, 690, 0, 0, 1, "夜明けの時計塔"},
    {"Tanselr_Data/TanselrCG/Event/Event50-{nn}.JPG", "0,1", L::Scene, 920, 690, 0, 0, 1, "塔の下のアンナ"},
    {"Tanselr_Data/TanselrCG/Event/Event51-{nn}.JPG", "0,1,5,6", L::Scene, 920, 690, 0, 0, 1, "階段を駆けるクロエ"},
    {"Tanselr_Data/TanselrCG/Event/Event52-{nn}.JPG", "0", L::Scene, 920, 690, 0, 0, 1, "広場のみんな"},
    // Character faces (kinds 200 to 299; 290 by number).
    {"Tanselr_Data/TanselrCG/G_face/00Face_01.JPG", "", L::Face, 300, 420, 0, 0, 1, "ミナ"},
    {"Tanselr_Data/TanselrCG/G_face/00Face_02.JPG", "", L::Face, 300, 420, 0, 0, 1, "ミナ"},
    {"Tanselr_Data/TanselrCG/G_face/00Face_04.JPG", "", L::Face, 300, 420, 0, 0, 1, "ミナ"},
    {"Tanselr_Data/TanselrCG/G_face/01Face_09.JPG", "", L::Face, 300, 420, 0, 0, 1, "リコ"},
    {"Tanselr_Data/TanselrCG/G_face/01Face_06.JPG", "", L::Face, 300, 420, 0, 0, 1, "リコ"},
    {"Tanselr_Data/TanselrCG/G_face/01Face_02.JPG", "", L::Face, 300, 420, 0, 0, 1, "リコ"},
    {"Tanselr_Data/TanselrCG/G_face/01Face_05.JPG", "", L::Face, 300, 420, 0, 0, 1, "リコ"},
    {"Tanselr_Data/TanselrCG/G_face/01Face_08.JPG", "", L::Face, 300, 420, 0, 0, 1, "リコ"},
    {"Tanselr_Data/TanselrCG/G_face/01Face_01.JPG", "", L::Face, 300, 420, 0, 0, 1, "リコ"},
    {"Tanselr_Data/TanselrCG/G_face/02Face_00.JPG", "", L::Face, 300, 420, 0, 0, 1, "ソラ"},
    {"Tanselr_Data/TanselrCG/G_face/02Face_01.JPG", "", L::Face, 300, 420, 0, 0, 1, "ソラ"},
    {"Tanselr_Data/TanselrCG/G_face/02Face_03.JPG", "", L::Face, 300, 420, 0, 0, 1, "ソラ"},
    // A character's conversation faces share one size, so her face and name stay put as
    // her face changes; the small ones (200 by 280 and less) stand on event pictures.
    {"Tanselr_Data/TanselrCG/O_face/OFace_A00b.JPG", "", L::Face, 300, 420, 0, 0, 1, "アンナ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_A01.JPG", "", L::Face, 300, 420, 0, 0, 1, "アンナ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_A01re.JPG", "", L::Face, 300, 420, 0, 0, 1, "アンナ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_A00s.JPG", "", L::Face, 200, 280, 0, 0, 1, "アンナ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_A02s.JPG", "", L::Face, 200, 280, 0, 0, 1, "アンナ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_A00bre.JPG", "", L::Face, 300, 420, 0, 0, 1, "アンナ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_A02re.JPG", "", L::Face, 300, 420, 0, 0, 1, "アンナ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_A03.JPG", "", L::Face, 300, 420, 0, 0, 1, "アンナ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_A02.JPG", "", L::Face, 300, 420, 0, 0, 1, "アンナ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_A04.JPG", "", L::Face, 300, 420, 0, 0, 1, "アンナ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_B00_280.JPG", "", L::Face, 300, 420, 0, 0, 1, "ベル"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_B01.JPG", "", L::Face, 300, 420, 0, 0, 1, "ベル"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_B01re.JPG", "", L::Face, 300, 420, 0, 0, 1, "ベル"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_B00_196.JPG", "", L::Face, 196, 280, 0, 0, 1, "ベル"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_B02_02.JPG", "", L::Face, 300, 420, 0, 0, 1, "ベル"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_B02_03.JPG", "", L::Face, 300, 420, 0, 0, 1, "ベル"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_C00_270.JPG", "", L::Face, 300, 420, 0, 0, 1, "クロエ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_C01.JPG", "", L::Face, 300, 420, 0, 0, 1, "クロエ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_C01re.JPG", "", L::Face, 300, 420, 0, 0, 1, "クロエ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_C00s.JPG", "", L::Face, 200, 280, 0, 0, 1, "クロエ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_C02s.JPG", "", L::Face, 200, 280, 0, 0, 1, "クロエ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_C02re.JPG", "", L::Face, 300, 420, 0, 0, 1, "クロエ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_C03.JPG", "", L::Face, 300, 420, 0, 0, 1, "クロエ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_C02.JPG", "", L::Face, 300, 420, 0, 0, 1, "クロエ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_C04b.JPG", "", L::Face, 300, 420, 0, 0, 1, "クロエ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_D00.JPG", "", L::Face, 300, 420, 0, 0, 1, "ダン"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_E00.JPG", "", L::Face, 300, 420, 0, 0, 1, "エマ"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_F00.JPG", "", L::Face, 300, 420, 0, 0, 1, "フィン"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_F01.JPG", "", L::Face, 300, 420, 0, 0, 1, "フィン"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_F00re.JPG", "", L::Face, 300, 420, 0, 0, 1, "フィン"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_F01re.JPG", "", L::Face, 300, 420, 0, 0, 1, "フィン"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_F02.JPG", "", L::Face, 300, 420, 0, 0, 1, "フィン"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_F03.JPG", "", L::Face, 300, 420, 0, 0, 1, "フィン"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_F04.JPG", "", L::Face, 300, 420, 0, 0, 1, "フィン"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_G00x.JPG", "", L::Face, 300, 420, 0, 0, 1, "グレン"},
    // The town's people of stage 64, each by name.
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "0", L::Face, 300, 420, 0, 0, 1, "漁師の親方"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "1", L::Face, 300, 420, 0, 0, 1, "パン屋のおかみさん"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "2", L::Face, 300, 420, 0, 0, 1, "花売りの娘"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "3", L::Face, 300, 420, 0, 0, 1, "船乗り"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "4", L::Face, 300, 420, 0, 0, 1, "本屋の主人"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "5", L::Face, 300, 420, 0, 0, 1, "八百屋の兄弟"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "6", L::Face, 300, 420, 0, 0, 1, "ベルの父"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "7", L::Face, 300, 420, 0, 0, 1, "郵便局長"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "8", L::Face, 300, 420, 0, 0, 1, "町の子どもたち"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "9", L::Face, 300, 420, 0, 0, 1, "宿屋の女将"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "10", L::Face, 300, 420, 0, 0, 1, "楽団の笛吹き"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "11", L::Face, 300, 420, 0, 0, 1, "時計職人"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "12", L::Face, 300, 420, 0, 0, 1, "おばあさん"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "13", L::Face, 300, 420, 0, 0, 1, "屋台の親父"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "14", L::Face, 300, 420, 0, 0, 1, "新聞売りの少年"},
    {"Tanselr_Data/TanselrCG/O_face/OFace_X{nn}.JPG", "15", L::Face, 300, 420, 0, 0, 1, "猫を抱いた少女"},
    // Finale figures and the staff pictures (kinds 300 to 399).
    {"Tanselr_Data/TanselrCG/Z_face/ZFace_B{nn}.JPG", "0-5", L::Face, 400, 560, 0, 0, 1, "フィン（鐘の守り手）@96,150,130,30"},
    // The staff pictures that close the story, one a click.
    {"Tanselr_Data/TanselrCG/Z_face/Staff_{nn}.JPG", "0", L::Notice, 600, 300, 0, 0, 1, "#3C2864 マーブルック/七日間の祭りと春告げの鐘"},
    {"Tanselr_Data/TanselrCG/Z_face/Staff_{nn}.JPG", "1", L::Notice, 600, 300, 0, 0, 1, "#3C2864 物語/Thornquill"},
    {"Tanselr_Data/TanselrCG/Z_face/Staff_{nn}.JPG", "2", L::Notice, 600, 300, 0, 0, 1, "#3C2864 絵と音楽/Thornquill"},
    {"Tanselr_Data/TanselrCG/Z_face/Staff_{nn}.JPG", "3", L::Notice, 600, 300, 0, 0, 1, "#3C2864 プログラム/Thornquill"},
    {"Tanselr_Data/TanselrCG/Z_face/Staff_{nn}.JPG", "4", L::Notice, 600, 300, 0, 0, 1, "#3C2864 協力/遊んでくれたみなさん"},
    {"Tanselr_Data/TanselrCG/Z_face/Staff_{nn}.JPG", "5", L::Notice, 600, 300, 0, 0, 1, "#3C2864 おしまい/また来年の春に、マーブルックで"},
    // Mini-game pictures (kinds 1000 to 1599): names and placeholder numbers and
    // sizes; each mini-game's screens set the numbers and sizes they cut.
    // Rock-paper-scissors: the game-clear and game-over pictures are cut into 20
    // strips of 9 and 10 rows across the window; the title sheets into 10 bands.
    {"Tanselr_Data/TanselrCG/G01/GAMECLEAR.JPG", "", L::Panel, 920, 180, 0, 0, 1, "GAME CLEAR!"},
    {"Tanselr_Data/TanselrCG/G01/GAMEOVER.JPG", "", L::Panel, 920, 200, 0, 0, 1, "GAME OVER"},
    {"Tanselr_Data/TanselrCG/G01/G1_Title1.JPG", "", L::Title, 920, 690, 0, 0, 1, "じゃんけん勝負　ミナ"},
    {"Tanselr_Data/TanselrCG/G01/G1_Title2.JPG", "", L::Title, 920, 690, 0, 0, 1, "じゃんけん勝負　リコ"},
    {"Tanselr_Data/TanselrCG/G01/G1_Title3.JPG", "", L::Title, 920, 690, 0, 0, 1, "じゃんけん勝負　ソラ"},
    {"Tanselr_Data/TanselrCG/G01/G1_Back{nn}.JPG", "0,13,20", L::Scene, 920, 690, 0, 0, 1, "じゃんけん会場"},
    // Signboards (kind 1102): each carries its message.
    {"Tanselr_Data/TanselrCG/G01/G1_Kan00.JPG", "", L::Panel, 600, 160, 0, 0, 1, "ミナとじゃんけん勝負！　三連勝で勝ち抜けだよっ！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan02.JPG", "", L::Panel, 600, 160, 0, 0, 1, "じゃんけん……手を選んでね！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan10.JPG", "", L::Panel, 600, 160, 0, 0, 1, "ミナの勝ちなの！　最初からやり直しだよっ"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan11.JPG", "", L::Panel, 600, 160, 0, 0, 1, "一勝目！　やるね、ベルおねえちゃん！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan12.JPG", "", L::Panel, 600, 160, 0, 0, 1, "二勝目！　あと一勝なの！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan13.JPG", "", L::Panel, 600, 160, 0, 0, 1, "三連勝！　ミナ、負けちゃった……！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan15.JPG", "", L::Panel, 600, 160, 0, 0, 1, "次で最後……ミナ、本気出すよっ！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan16.JPG", "", L::Panel, 600, 160, 0, 0, 1, "あいこ！　もう一回なの！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan20.JPG", "", L::Panel, 600, 160, 0, 0, 1, "さあさあ、お立ち会い！　リコ、登場ですわ！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan22.JPG", "", L::Panel, 600, 160, 0, 0, 1, "さあ、手をお選びくださいませ！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan30.JPG", "", L::Panel, 600, 160, 0, 0, 1, "わたくしの勝ちですわ！　最初からどうぞ！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan31.JPG", "", L::Panel, 600, 160, 0, 0, 1, "一勝目……お見事ですわ！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan32.JPG", "", L::Panel, 600, 160, 0, 0, 1, "二勝目！　あと一勝でございます！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan33.JPG", "", L::Panel, 600, 160, 0, 0, 1, "三連勝！　参りましたわ！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan34.JPG", "", L::Panel, 600, 160, 0, 0, 1, "あいこですわ！　もう一回！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan36.JPG", "", L::Panel, 600, 160, 0, 0, 1, "札が増えますわよ！　見破れまして？"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan37.JPG", "", L::Panel, 600, 160, 0, 0, 1, "札が二枚に増えましたわ！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan38.JPG", "", L::Panel, 600, 160, 0, 0, 1, "どれも同じ手ですわ。さあ、どうなさる？"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan40.JPG", "", L::Panel, 600, 160, 0, 0, 1, "ソラが現れた！　三度目のじゃんけんだ！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan42.JPG", "", L::Panel, 600, 160, 0, 0, 1, "つまり、これが運命の一手さ。選んで。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan50.JPG", "", L::Panel, 600, 160, 0, 0, 1, "つまり、僕の勝ちということさ。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan51.JPG", "", L::Panel, 600, 160, 0, 0, 1, "あいこだね。もう一度。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan55.JPG", "", L::Panel, 600, 160, 0, 0, 1, "やるね……でも、次は理論どおりさ。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan60.JPG", "", L::Panel, 600, 160, 0, 0, 1, "僕の手はこれだよ。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan61.JPG", "", L::Panel, 600, 160, 0, 0, 1, "もっと大きく見せてあげるよ。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan62.JPG", "", L::Panel, 600, 160, 0, 0, 1, "まだまだ増えるよ。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan63.JPG", "", L::Panel, 600, 160, 0, 0, 1, "さあ、どれが本当の手だと思う？"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan64.JPG", "", L::Panel, 600, 160, 0, 0, 1, "確率で見極めてごらん。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan65.JPG", "", L::Panel, 600, 160, 0, 0, 1, "今度はチョキを出すよ。本当さ。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan66.JPG", "", L::Panel, 600, 160, 0, 0, 1, "嘘じゃないんだ。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan67.JPG", "", L::Panel, 600, 160, 0, 0, 1, "おや、ほかの手も気になるのかい？"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan68.JPG", "", L::Panel, 600, 160, 0, 0, 1, "さあ、よく見て……。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan69.JPG", "", L::Panel, 600, 160, 0, 0, 1, "混ぜてしまうよ！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan70.JPG", "", L::Panel, 600, 160, 0, 0, 1, "いよいよ最後の勝負だね。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan71.JPG", "", L::Panel, 600, 160, 0, 0, 1, "僕の手は……これさ。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan72.JPG", "", L::Panel, 600, 160, 0, 0, 1, "どんな手にも負けない手。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan73.JPG", "", L::Panel, 600, 160, 0, 0, 1, "グーもチョキもパーも通じないんだ。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan74.JPG", "", L::Panel, 600, 160, 0, 0, 1, "つまり、地球の運命はこの一手に……！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan75.JPG", "", L::Panel, 600, 160, 0, 0, 1, "それでも挑むのかい？"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan76.JPG", "", L::Panel, 600, 160, 0, 0, 1, "なら見せてよ、君の心を。"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan77.JPG", "", L::Panel, 600, 160, 0, 0, 1, "いざ、勝負！"},
    // Result boards (kind 1106, numbers 0 to 2 on files 03 to 05).
    {"Tanselr_Data/TanselrCG/G01/G1_Kan03.JPG", "", L::Panel, 500, 160, 0, 0, 1, "あなたの勝ち！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan04.JPG", "", L::Panel, 500, 160, 0, 0, 1, "あなたの負け……"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan05.JPG", "", L::Panel, 500, 160, 0, 0, 1, "あいこ"},
    // Opponents (kind 1105), the story's three (Mina, Rico, Sora): figures 1 to 3,
    // corner portraits 4 to 6, the last round's pictures 50 to 53. Every opponent's
    // clash shows 5, the first opponent's chosen hand shows 6 in the corner, and the
    // last opponent's victory scene shows 6 and 5: the call itself, no one's face.
    {"Tanselr_Data/TanselrCG/G01/G1_Mes{nn}.JPG", "1-3", L::Face, 260, 360, 0, 0, 1, "ミナ"},
    {"Tanselr_Data/TanselrCG/G01/G1_Mes{nn}.JPG", "4", L::Face, 160, 200, 0, 0, 1, "ミナ"},
    {"Tanselr_Data/TanselrCG/G01/G1_Mes{nn}.JPG", "5", L::Burst, 160, 200, 0, 0, 1, "ぽん！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Mes{nn}.JPG", "6", L::Burst, 160, 200, 0, 0, 1, "じゃんけん"},
    {"Tanselr_Data/TanselrCG/G01/G1_Mes{nn}.JPG", "21-23", L::Face, 260, 360, 0, 0, 1, "リコ"},
    {"Tanselr_Data/TanselrCG/G01/G1_Mes{nn}.JPG", "24,26", L::Face, 160, 200, 0, 0, 1, "リコ"},
    {"Tanselr_Data/TanselrCG/G01/G1_Mes{nn}.JPG", "41-43", L::Face, 260, 360, 0, 0, 1, "ソラ"},
    {"Tanselr_Data/TanselrCG/G01/G1_Mes{nn}.JPG", "44,46", L::Face, 160, 200, 0, 0, 1, "ソラ"},
    {"Tanselr_Data/TanselrCG/G01/G1_Mes{nn}.JPG", "50-53", L::Face, 300, 240, 0, 0, 1, "ソラ"},
    {"Tanselr_Data/TanselrCG/G01/G1_Ren{nn}.JPG", "0-4", L::Panel, 300, 100, 0, 0, 1, "{n}連勝"},
    {"Tanselr_Data/TanselrCG/G01/G1_Kan01_120.JPG", "", L::Panel, 120, 120, 0, 0, 1, "看板"},
    // The player's hand buttons (kind 1110) and the opponent's cards (1111 to 1113).
    {"Tanselr_Data/TanselrCG/G01/G1_PGu00.JPG", "", L::Panel, 120, 120, 0, 0, 1, "グー"},
    {"Tanselr_Data/TanselrCG/G01/G1_PGu01.JPG", "", L::Panel, 120, 120, 0, 0, 1, "チョキ"},
    {"Tanselr_Data/TanselrCG/G01/G1_PGu02.JPG", "", L::Panel, 120, 120, 0, 0, 1, "パー"},
    {"Tanselr_Data/TanselrCG/G01/G1_PGu04.JPG", "", L::Panel, 120, 120, 0, 0, 1, "ハート"},
    {"Tanselr_Data/TanselrCG/G01/G1_TGu00.JPG", "", L::Panel, 120, 120, 0, 0, 1, "グー"},
    {"Tanselr_Data/TanselrCG/G01/G1_TGu01.JPG", "", L::Panel, 120, 120, 0, 0, 1, "チョキ"},
    {"Tanselr_Data/TanselrCG/G01/G1_TGu02.JPG", "", L::Panel, 120, 120, 0, 0, 1, "パー"},
    {"Tanselr_Data/TanselrCG/G01/G1_TGu03.JPG", "", L::Panel, 120, 120, 0, 0, 1, "？？？"},
    {"Tanselr_Data/TanselrCG/G01/G1_TGu00-x2.JPG", "", L::Panel, 160, 160, 0, 0, 1, "グー"},
    {"Tanselr_Data/TanselrCG/G01/G1_TGu01-x2.JPG", "", L::Panel, 160, 160, 0, 0, 1, "チョキ"},
    {"Tanselr_Data/TanselrCG/G01/G1_TGu02-x2.JPG", "", L::Panel, 160, 160, 0, 0, 1, "パー"},
    {"Tanselr_Data/TanselrCG/G01/G1_TGu00-x3.JPG", "", L::Panel, 180, 180, 0, 0, 1, "グー"},
    {"Tanselr_Data/TanselrCG/G01/G1_TGu01-x3.JPG", "", L::Panel, 180, 180, 0, 0, 1, "チョキ"},
    {"Tanselr_Data/TanselrCG/G01/G1_TGu02-x3.JPG", "", L::Panel, 180, 180, 0, 0, 1, "パー"},
    // Round-start panels (kinds 1121 to 1123): 0, the round, 10.
    {"Tanselr_Data/TanselrCG/G01/G1_Sen1_00.JPG", "", L::Panel, 200, 80, 0, 0, 1, "じゃんけん"},
    {"Tanselr_Data/TanselrCG/G01/G1_Sen1_{nn}.JPG", "1-3", L::Panel, 200, 80, 0, 0, 1, "第{n}回戦"},
    {"Tanselr_Data/TanselrCG/G01/G1_Sen1_10.JPG", "", L::Panel, 200, 80, 0, 0, 1, "スタート！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Sen2_00.JPG", "", L::Panel, 200, 80, 0, 0, 1, "じゃんけん"},
    {"Tanselr_Data/TanselrCG/G01/G1_Sen2_{nn}.JPG", "1-3", L::Panel, 200, 80, 0, 0, 1, "第{n}回戦"},
    {"Tanselr_Data/TanselrCG/G01/G1_Sen2_10.JPG", "", L::Panel, 200, 80, 0, 0, 1, "スタート！"},
    {"Tanselr_Data/TanselrCG/G01/G1_Sen3_00.JPG", "", L::Panel, 200, 80, 0, 0, 1, "じゃんけん"},
    {"Tanselr_Data/TanselrCG/G01/G1_Sen3_{nn}.JPG", "1-3", L::Panel, 200, 80, 0, 0, 1, "第{n}回戦"},
    {"Tanselr_Data/TanselrCG/G01/G1_Sen3_10.JPG", "", L::Panel, 200, 80, 0, 0, 1, "スタート！"},
    // Hearts (kind 1130): whole, broken, and doubled.
    {"Tanselr_Data/TanselrCG/G01/G1_Heart00.JPG", "", L::Panel, 160, 160, 0, 0, 1, "♥"},
    {"Tanselr_Data/TanselrCG/G01/G1_Heart01.JPG", "", L::Panel, 160, 160, 0, 0, 1, "♡"},
    {"Tanselr_Data/TanselrCG/G01/G1_Heart02.JPG", "", L::Panel, 160, 160, 0, 0, 1, "♥♥"},
    // Board games. The life board's tiles are 80 px, ten kinds to a row (kind k at
    // (k mod 10, k \ 10)); the race's 90 px, five to a row; each board copies them to
    // the squares its strings place, so a kind's caption stands on its squares. Die
    // sheets hold faces 1 to 6 side by side; button sheets hold the two buttons side
    // by side with their lit look (marked ▶ ◀) one row down. The hard board picture is
    // 900 by 600.
    // The title's caption sits where the choice banner (y 100, 150 high) later covers it.
    {"Tanselr_Data/TanselrCG/G02/G2_Title01.JPG", "", L::Title, 920, 690, 0, 0, 1,
     "人生すごろく@40,100,840,150"},
    {"Tanselr_Data/TanselrCG/G02/G2_Title02.JPG", "", L::Tiles, 800, 320, 400, 160, 1,
     "やさしい人生|きびしい人生|▶やさしい人生◀|▶きびしい人生◀"},
    {"Tanselr_Data/TanselrCG/G02/G2_Title03.JPG", "", L::Title, 920, 150, 0, 0, 1, "どちらの人生を歩みますか？"},
    {"Tanselr_Data/TanselrCG/G02/G2_EASY00.JPG", "", L::Panel, 260, 260, 0, 0, 1, "ゆりかご"},
    {"Tanselr_Data/TanselrCG/G02/G2_EASY01.JPG", "", L::Panel, 260, 260, 0, 0, 1, "ゴール"},
    {"Tanselr_Data/TanselrCG/G02/G2_EASY02.JPG", "", L::Panel, 700, 100, 0, 0, 1, "じんせい　→　→　→"},
    {"Tanselr_Data/TanselrCG/G02/G2_EASY03.JPG", "", L::Scene, 900, 600, 0, 0, 1, "人生すごろく"},
    {"Tanselr_Data/TanselrCG/G02/G2_EASY05.JPG", "", L::Face, 100, 100, 0, 0, 1, "赤ちゃん"},
    {"Tanselr_Data/TanselrCG/G02/Sai_s300.JPG", "", L::Dice, 1800, 300, 300, 300, 1, "1"},
    {"Tanselr_Data/TanselrCG/G02/GOAL_2760.JPG", "", L::Scene, 2760, 690, 0, 0, 1, "GOAL"},
    {"Tanselr_Data/TanselrCG/G02/CLEAR.JPG", "", L::Title, 920, 690, 0, 0, 1, "クリア！"},
    {"Tanselr_Data/TanselrCG/G02/G2_HARD00.JPG", "", L::Tiles, 800, 160, 80, 80, 1,
     "スタート|幼稚園|小学校|中学校|高校|大学|就職|結婚|子供|倒産|船出|無人島|ゴール|島の王様|ふしぎ|空腹|かぜ|すべる|おどる|竜巻"},
    {"Tanselr_Data/TanselrCG/G02/G2_HARD01.JPG", "", L::Icons, 50, 50, 50, 50, 1, "自"},
    {"Tanselr_Data/TanselrCG/G02/GAMEOVER.JPG", "", L::Title, 920, 690, 0, 0, 1, "ゲームオーバー"},
    // The race title is the window's picture; its buttons then cover y 53 to 293 and
    // 397 to 637: the name stands in the band between them.
    {"Tanselr_Data/TanselrCG/G03/G3_Title00.JPG", "", L::Title, 920, 690, 0, 0, 1, "ダイスレース@60,298,800,94"},
    {"Tanselr_Data/TanselrCG/G03/G3_Button00.JPG", "", L::Tiles, 1600, 480, 800, 240, 1,
     "ゴールをめざせ！|３周レース|▶ゴールをめざせ！◀|▶３周レース◀"},
    {"Tanselr_Data/TanselrCG/G03/G3_Masu.JPG", "", L::Tiles, 450, 180, 90, 90, 1,
     "スタート|1すすむ|2すすむ|3すすむ|4すすむ|1もどる|2もどる|3もどる| |ゴール"},
    {"Tanselr_Data/TanselrCG/G03/G3_Back.JPG", "", L::Scene, 920, 690, 0, 0, 1, "ダイスレース"},
    {"Tanselr_Data/TanselrCG/G03/G3_You.JPG", "", L::Icons, 30, 30, 30, 30, 1, "自"},
    {"Tanselr_Data/TanselrCG/G03/G3_CPU.JPG", "", L::Icons, 30, 30, 30, 30, 1, "敵"},
    {"Tanselr_Data/TanselrCG/G03/G3_Kanban00.JPG", "", L::Panel, 600, 200, 0, 0, 1, "あなたの番です"},
    {"Tanselr_Data/TanselrCG/G03/G3_Kanban01.JPG", "", L::Panel, 600, 200, 0, 0, 1, "コンピュータの番です"},
    {"Tanselr_Data/TanselrCG/G03/G3_Kanban05.JPG", "", L::Panel, 600, 200, 0, 0, 1, "あなたの勝ち！"},
    {"Tanselr_Data/TanselrCG/G03/G3_Kanban06.JPG", "", L::Panel, 600, 200, 0, 0, 1, "コンピュータの勝ち……"},
    {"Tanselr_Data/TanselrCG/G03/G3_Kanban10.JPG", "", L::Panel, 600, 200, 0, 0, 1, "あなたの番です"},
    {"Tanselr_Data/TanselrCG/G03/G3_Kanban20.JPG", "", L::Panel, 600, 200, 0, 0, 1, "先に３周した方の勝ち！"},
    {"Tanselr_Data/TanselrCG/G03/G3_Sai_H250.JPG", "", L::Dice, 1500, 250, 250, 250, 1, "1"},
    {"Tanselr_Data/TanselrCG/G03/G3_MesH300.JPG", "", L::Tiles, 638, 2100, 638, 300, 1,
     "１マスすすむ！|２マスすすむ！|３マスすすむ！|４マスすすむ！|１マスもどる……|２マスもどる……|３マスもどる……"},
    {"Tanselr_Data/TanselrCG/G03/G3_CLEAR.JPG", "", L::Title, 920, 690, 0, 0, 1, "クリア！"},
    {"Tanselr_Data/TanselrCG/G03/G3_Syukai01.JPG", "", L::Panel, 135, 90, 0, 0, 1, "あなた 1周目"},
    {"Tanselr_Data/TanselrCG/G03/G3_Syukai02.JPG", "", L::Panel, 135, 90, 0, 0, 1, "あなた 2周目"},
    {"Tanselr_Data/TanselrCG/G03/G3_Syukai03.JPG", "", L::Panel, 135, 90, 0, 0, 1, "あなた 3周目"},
    {"Tanselr_Data/TanselrCG/G03/G3_Syukai06.JPG", "", L::Panel, 135, 90, 0, 0, 1, "相手 1周目"},
    {"Tanselr_Data/TanselrCG/G03/G3_Syukai07.JPG", "", L::Panel, 135, 90, 0, 0, 1, "相手 2周目"},
    {"Tanselr_Data/TanselrCG/G03/G3_Syukai08.JPG", "", L::Panel, 135, 90, 0, 0, 1, "相手 3周目"},
    // Kana adventure. The title stands at y 30 above "HIT ANY KEY" (y 647); the logo
    // sits right of the 600 by 450 place picture, above the buttons (y 160). The
    // places: ten 600 by 450 cells, five to a row, picture n at (n mod 5, n \ 5),
    // each the forest place it shows.
    {"Tanselr_Data/TanselrCG/G09/ADV_Title.JPG", "", L::Title, 820, 600, 0, 0, 1, "ｶﾅ ｱﾄﾞﾍﾞﾝﾁｬｰ"},
    {"Tanselr_Data/TanselrCG/G09/ADV_Main.JPG", "", L::Place, 3000, 900, 600, 450, 1,
     "meadow mountains path flowers:はじまりの場所|meadow forestedge path:森の手前|forest cross:十字路|"
     "deepforest cross trees:森の奥|forest deadend:行き止まり|forest pond:池|deepforest hole:深い穴|"
     "meadow sword:伝説の剣|forest ufo:ＵＦＯ|meadow grassfolk flowers:仲間のクサたち"},
    {"Tanselr_Data/TanselrCG/G09/ADV_Logo02.JPG", "", L::Title, 220, 120, 0, 0, 1, "ADV"},
    // Memory pairs. The title is cut at x 245; the level buttons are full-width rows
    // 50 high, lit rows above plain ones; the sign boards and the game-over and clear
    // pictures come in on the window's middle (the latter two cut into halves). Card
    // backs and faces share a level's card size (level 2: 51 by 68); a faces picture
    // holds value v at cell (v mod 10, v \ 10). Life icons sit in a column 3 px in,
    // stacked from the bottom, where the board copies them (and the backdrop erases).
    {"Tanselr_Data/TanselrCG/G05/BO_Title.JPG", "", L::Title, 920, 690, 0, 0, 1, "神経衰弱"},
    {"Tanselr_Data/TanselrCG/G05/BO_Back00.JPG", "", L::CardTable, 920, 690},
    {"Tanselr_Data/TanselrCG/G05/BO_Kanban00.JPG", "", L::Panel, 920, 200, 0, 0, 1, "カードの場所を覚えよう！"},
    {"Tanselr_Data/TanselrCG/G05/BO_Kanban01.JPG", "", L::Panel, 920, 200, 0, 0, 1, "同じカードのペアを探そう！"},
    {"Tanselr_Data/TanselrCG/G05/BO_Zan{nn}.JPG", "0", L::CardTable, 60, 690, 50, 50, 1, "♥"},
    {"Tanselr_Data/TanselrCG/G05/BO_Zan{nn}.JPG", "1", L::CardTable, 60, 690, 25, 25, 1, "♥"},
    {"Tanselr_Data/TanselrCG/G05/BO_GAMEOVER.JPG", "", L::Panel, 600, 200, 0, 0, 1, "GAME OVER"},
    {"Tanselr_Data/TanselrCG/G05/BO_GAMECLEAR.JPG", "", L::Panel, 600, 200, 0, 0, 1, "GAME CLEAR"},
    {"Tanselr_Data/TanselrCG/G05/BO_Select.JPG", "", L::Sheet, 920, 300, 920, 50, 1,
     "▶　やさしい　◀|▶　ふつう　◀|▶　むずかしい　◀|やさしい|ふつう|むずかしい"},
    {"Tanselr_Data/TanselrCG/G05/BO_s300SideA.JPG", "", L::Icons, 300, 400, 300, 400, 1, "？"},
    {"Tanselr_Data/TanselrCG/G05/BO_s300SideB.JPG", "", L::Icons, 300, 400, 300, 400, 1, "Ａ"},
    {"Tanselr_Data/TanselrCG/G05/BO_s150SideA.JPG", "", L::Icons, 150, 200, 150, 200, 1, "？"},
    {"Tanselr_Data/TanselrCG/G05/BO_s150SideB.JPG", "", L::Icons, 900, 200, 150, 200, 1, "ＡＢＣＤＥＦ"},
    {"Tanselr_Data/TanselrCG/G05/BO_s51SideA.JPG", "", L::Icons, 51, 68, 51, 68, 1, "？"},
    // Sixty faces that cannot be taken for one another (no O and 0, no I and 1, no
    // heart, which marks a life, no question mark, which marks the back, no digit,
    // which would read as a count).
    {"Tanselr_Data/TanselrCG/G05/BO_s51SideB.JPG", "", L::Icons, 510, 408, 51, 68, 1,
     "ＡＢＣＤＥＦＧＨＪＫＬＭＮＰＱＲＳＴＵＶＷＸＹＺあいうえおかきくけ★☆●○◆◇■□▲△▼▽♠♣♦♪※〒＠＃＄％＆＋＝！∞"},
    // ---- Casino ----
    // Number panels: the value is printed right-aligned, 15 px in and its foot 10 px
    // up, at size 36 (the credits from 1,000,000 at 28): the caption keeps to a band
    // above it. Widths for the largest values: credits 999,999 (204 px bold), bet
    // 1,000, multiplier 1255x, win 1,255,000 (238 px). The credits panel stands at the
    // left edge, beside the card game's first bet button (x 223); the win panel starts
    // at x 650, 270 px from the window's right edge.
    {"Tanselr_Data/TanselrCG/G06/Ca_Panel00.JPG", "", L::Label, 223, 80, 0, 0, 1, "ポイント@10,5,203,20"},
    {"Tanselr_Data/TanselrCG/G06/Ca_Panel01.JPG", "", L::Label, 260, 80, 0, 0, 1, "かけた ポイント@10,5,240,20"},
    {"Tanselr_Data/TanselrCG/G06/Ca_Panel02.JPG", "", L::Label, 200, 80, 0, 0, 1, "ごうけい@10,5,180,20"},
    {"Tanselr_Data/TanselrCG/G06/Ca_Panel03.JPG", "", L::Label, 200, 80, 0, 0, 1, "ばいりつ@10,5,180,20"},
    {"Tanselr_Data/TanselrCG/G06/Ca_Panel04.JPG", "", L::Label, 262, 80, 0, 0, 1, "もらえる ポイント@10,5,242,20"},
    {"Tanselr_Data/TanselrCG/G06/Ca_GameBack{nn}.JPG", "0,1", L::Table, 920, 690, 0, 0, 1, "スロット|カード２１"},
    // Card-game strips and captions: rows the screens cut by number.
    {"Tanselr_Data/TanselrCG/G06/Ca_Kanban00.JPG", "", L::Sheet, 400, 150, 400, 75, 1, "ポイントを かけてね|「ひく」？ それとも「パス」？"},
    {"Tanselr_Data/TanselrCG/G06/Ca_Kanban01.JPG", "", L::Sheet, 250, 180, 250, 60, 1, "２１！|オーバー|５まい！"},
    {"Tanselr_Data/TanselrCG/G06/Ca_Kanban02.JPG", "", L::Sheet, 800, 1040, 800, 80, 1,
     "やく なし|２１ ･･･ ５ばい|２０ ･･･ １ばい|５まい ･･･ １０ばい|おなじマーク ３まい ･･･ ２ばい|"
     "おなじマーク ４まい ･･･ ８ばい|おなじマーク ５まい ･･･ ２４ばい|れんばん ３まい ･･･ ６ばい|"
     "れんばん ４まい ･･･ １２ばい|れんばん ５まい ･･･ ３０ばい|おなじかず ２まい ･･･ ２ばい|"
     "おなじかず ３まい ･･･ ８ばい|おなじかず ４まい ･･･ ５０ばい"},
    {"Tanselr_Data/TanselrCG/G06/Ca_Kanban03.JPG", "", L::Sheet, 600, 720, 600, 60, 1,
     "２１ ･･･ １０ばい|２０ ･･･ ４ばい|１９いか ･･･ ２ばい|２２いじょう ･･･ ８ばい|♠ あり ･･･ １５ばい|"
     "♥ あり ･･･ ３０ばい|えふだ あり ･･･ ５０ばい|３まい ･･･ １０ばい|４まい ･･･ ５０ばい|"
     "５まい ･･･ ２ばい|ボーナス ･･･ １００ばい|スペシャル ･･･ １０００ばい"},
    // The introduction, clear and unlock boards.
    {"Tanselr_Data/TanselrCG/G06/Ca_Kanban10.JPG", "", L::Notice, 600, 300, 0, 0, 1,
     "#3C7828 １０まん ポイントを めざそう！/はじめは １０ポイント。/スロットか カード２１で ふやそう/ポイントが ０に なると ゲームオーバー"},
    {"Tanselr_Data/TanselrCG/G06/Ca_Kanban11.JPG", "", L::Panel, 600, 300, 0, 0, 1, "１０まん ポイント たっせい！"},
    {"Tanselr_Data/TanselrCG/G06/Ca_Kanban15.JPG", "", L::Notice, 600, 300, 0, 0, 1,
     "#B4641E おまけ画像が ひらいた！/タイトルの「おまけ」の/「おまけＣＧ」で 見られるよ"},
    {"Tanselr_Data/TanselrCG/G06/Ca_BET.JPG", "", L::Panel, 200, 80, 0, 0, 1, "かける"},
    // The card game's buttons: the bets, the deal, then the cell the game shows both
    // as the new deal (before the deal) and as the stand (while drawing): passing on
    // these cards or on one more card, which the rules board tells apart.
    {"Tanselr_Data/TanselrCG/G06/Ca_BET_Button.JPG", "", L::Buttons, 700, 160, 100, 80, 1, "＋１|＋１０|＋１００|くばる|パス|　|ひく"},
    {"Tanselr_Data/TanselrCG/G06/Ca_Goukei.JPG", "", L::Panel, 300, 80, 0, 0, 1, "ごうけい"},
    // The rules boards: how to play and what pays, card game free play (00) and story
    // (01, the generous table), slot machine (02, both modes).
    {"Tanselr_Data/TanselrCG/G06/Ca_GameRule00.JPG", "", L::Rules, 600, 400, 0, 0, 1,
     "カード２１の あそびかた/ポイントを かけて「くばる」。２まいめが ひらいたら、/「ひく」で カードを ふやすか、「パス」で とめる（５まいまで）/Ａは １か １１、Ｊ・Ｑ・Ｋは １０。くばる まえの「パス」は くばりなおし/*やく（もらえる ポイントは、かけた ポイント × ばいりつ）/ごうけい　２１ … ５ばい　２０ … １ばい　５まいで ２１いか … １０ばい/おなじマーク　３まい … ２ばい　４まい … ８ばい　５まい … ２４ばい/れんばん　３まい … ６ばい　４まい … １２ばい　５まい … ３０ばい/おなじかず　２まい … ２ばい　３まい … ８ばい　４まい … ５０ばい/やくは たしざん。２１を こえても、マーク・れんばん・かずの やくは つく/クリックで ゲームへ"},
    {"Tanselr_Data/TanselrCG/G06/Ca_GameRule01.JPG", "", L::Rules, 600, 400, 0, 0, 1,
     "カード２１の あそびかた ★/ポイントを かけて「くばる」。２まいめが ひらいたら、/「ひく」で カードを ふやすか、「パス」で とめる（５まいまで）/Ａは １か １１、Ｊ・Ｑ・Ｋは １０。くばる まえの「パス」は くばりなおし/*この テーブルの やく（かけた ポイント × ばいりつ）/ごうけい　２１ … １０ばい　２０ … ４ばい　１９いか … ２ばい　２２いじょう … ８ばい/まいすう　３まい … １０ばい　４まい … ５０ばい　５まい … ２ばい/♠が ある … １５ばい　♥が ある … ３０ばい　Ｊ・Ｑ・Ｋが ある … ５０ばい/いつでも　ボーナス … １００ばい　スペシャル … １０００ばい/やくは たしざん。どんな てでも、かならず ポイントが もらえる/クリックで ゲームへ"},
    {"Tanselr_Data/TanselrCG/G06/Ca_GameRule02.JPG", "", L::Rules, 600, 400, 0, 0, 1,
     "スロットの あそびかた/「かける」を おすたびに １ポイント かけて、ねらう ならびが ふえる/１かいめは まんなか、２かいめは うえ、３かいめは したの ならび/３かいめで まわりだす（「まわす」でも スタート）。「とめる」で 左から とめる/*そろった ならびごとに もらえる ポイント（かけた ならびだけ）/★★★ … ４００ポイント||♥♥♥ … ５００ポイント/♦♦♦ … ３００ポイント||♣♣♣ … ２００ポイント/●●● … １００ポイント||ＢＢＢ … ９９９ポイント/７７７ … ７７７ポイント||××× … なし/♣が ２つ … ２０ポイント||●が ２つ … １０ポイント/●が １つ … １ポイント（ものがたりの スロットでは ４ポイント）/クリックで ゲームへ"},
    {"Tanselr_Data/TanselrCG/G06/Ca_Bai_s320.JPG", "", L::Panel, 320, 80, 0, 0, 1, "ばい"},
    {"Tanselr_Data/TanselrCG/G06/Ca_SysKanban00.JPG", "", L::Panel, 600, 200, 0, 0, 1, "ゲームオーバー"},
    {"Tanselr_Data/TanselrCG/G06/Ca_SysKanban01.JPG", "", L::Panel, 600, 200, 0, 0, 1, "ゲームクリア"},
    {"Tanselr_Data/TanselrCG/G06/Ca_SYS_Button.JPG", "", L::Buttons, 180, 120, 90, 60, 1, "ヘルプ|やめる"},
    // Card backs: story (A00), free play (A01).
    {"Tanselr_Data/TanselrCG/G06/Ca_CardA00_s210.JPG", "", L::CardBack, 210, 280, 0, 0, 1, ""},
    {"Tanselr_Data/TanselrCG/G06/Ca_CardB_s210.JPG", "", L::CardBack, 210, 280, 0, 0, 1, ""},
    {"Tanselr_Data/TanselrCG/G06/Ca_CardA01_s210.JPG", "", L::CardBack, 210, 280, 0, 0, 1, ""},
    {"Tanselr_Data/TanselrCG/G06/Card{nn}.JPG", "0-51", L::Card, 210, 280, 0, 0, 1, "♠♥♦♣"},
    // Reel symbols 1 to 8 at x = (symbol - 1) x 100.
    {"Tanselr_Data/TanselrCG/G06/SL_Reel.JPG", "", L::Reels, 800, 100, 100, 100, 1, "★♥♦♣●Ｂ７×"},
    {"Tanselr_Data/TanselrCG/G06/SL_BET_Button.JPG", "", L::Buttons, 440, 160, 100, 80, 1, "かける|まわす|とめる@240"},
    // Bet-row bars: 550 by 100 at y 0, 120, 240.
    {"Tanselr_Data/TanselrCG/G06/SL_Bar.JPG", "", L::Sheet, 550, 360, 550, 120, 1, "|　|"},
    {"Tanselr_Data/TanselrCG/G06/SL_Line.JPG", "", L::Panel, 390, 12, 0, 0, 1, ""},
    // The row win: up to 999 at size 60, 14 px in from the right and centred up and
    // down; the caption keeps to the band above it. It slides to x 712, its rows 120
    // px apart.
    {"Tanselr_Data/TanselrCG/G06/SL_Panel{nn}.JPG", "0", L::Label, 204, 116, 0, 0, 1, "この ならびの ポイント@10,4,184,18"},
    // The casino's title (1) and the select screen's backdrop (0), whose buttons stand
    // at y 210 to 530: its words keep to the band above them.
    {"Tanselr_Data/TanselrCG/G06/G6_Title{nn}.JPG", "0", L::Title, 920, 690, 0, 0, 1,
     "カジノ　あそぶ ゲームを えらんでね@40,50,840,110"},
    {"Tanselr_Data/TanselrCG/G06/G6_Title{nn}.JPG", "1,2", L::Title, 920, 690, 0, 0, 1, "カジノ"},
    {"Tanselr_Data/TanselrCG/G06/G6_Select.JPG", "", L::Sheet, 400, 300, 400, 150, 1, "スロット|カード２１"},
    {"Tanselr_Data/TanselrCG/G06/G6_GO.JPG", "", L::Icons, 100, 100, 100, 100, 1, "◀"},
    // ---- Role-playing game ----
    // Maps 0 to 5 drawn from the game's grids at 80 pixels a cell; 6 to 9 the closing
    // chain over map 5; 10 and 11 the world, where the hero stands at cell (4, 4).
    {"Tanselr_Data/TanselrCG/G07/RPG_Map{nn}.JPG", "0,1", L::RpgMap, 1040, 1600, 0, 0, 1, "城"},
    {"Tanselr_Data/TanselrCG/G07/RPG_Map{nn}.JPG", "2", L::RpgMap, 1360, 1600, 0, 0, 1, "城の一階"},
    {"Tanselr_Data/TanselrCG/G07/RPG_Map{nn}.JPG", "3", L::RpgMap, 2160, 1600, 0, 0, 1, "城下町"},
    {"Tanselr_Data/TanselrCG/G07/RPG_Map{nn}.JPG", "4", L::RpgMap, 960, 1040, 0, 0, 1, "洞くつ"},
    {"Tanselr_Data/TanselrCG/G07/RPG_Map{nn}.JPG", "5-9", L::RpgMap, 1120, 800, 0, 0, 1, "城の前"},
    {"Tanselr_Data/TanselrCG/G07/RPG_Map{nn}.JPG", "10,11", L::RpgMap, 960, 800, 0, 0, 1, "世界"},
    // Parts: the hero's two walking cells, the status panel at the window's right, the
    // four 72-pixel arrow buttons, game over, the ending, the title, the enemies (10,
    // 20 to 24, inside the 400 by 300 battle frame) and the ten 80-pixel sprites.
    {"Tanselr_Data/TanselrCG/G07/RPG_Parts{nn}.JPG", "0", L::RpgPart, 160, 80, 0, 0, 1, "勇者"},
    {"Tanselr_Data/TanselrCG/G07/RPG_Parts{nn}.JPG", "1", L::RpgPart, 230, 690, 0, 0, 1, "ステータス"},
    {"Tanselr_Data/TanselrCG/G07/RPG_Parts{nn}.JPG", "2", L::RpgPart, 288, 72, 0, 0, 1, "矢印"},
    {"Tanselr_Data/TanselrCG/G07/RPG_Parts{nn}.JPG", "5", L::RpgPart, 600, 300, 0, 0, 1, "ゲームオーバー"},
    {"Tanselr_Data/TanselrCG/G07/RPG_Parts{nn}.JPG", "6", L::RpgPart, 700, 400, 0, 0, 1, "おしまい"},
    {"Tanselr_Data/TanselrCG/G07/RPG_Parts{nn}.JPG", "9", L::RpgPart, 920, 690, 0, 0, 1, "タイトル"},
    {"Tanselr_Data/TanselrCG/G07/RPG_Parts{nn}.JPG", "10,20-24", L::RpgPart, 340, 260, 0, 0, 1, "敵"},
    {"Tanselr_Data/TanselrCG/G07/RPG_Parts{nn}.JPG", "15", L::RpgPart, 800, 80, 0, 0, 1, "スプライト"},
    // Room adventure: the room pictures (390 by 390, by room number, and the changed
    // rooms and sequence pictures from 59 up), each drawn as its place (the cell, the
    // house, the lands, space), the window's backdrop (80), the item icons (82: 60 by
    // 60 cells, item i at x 60 i) and the ending picture (83).
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "0", L::Place, 390, 390, 0, 0, 1, "cell straw:牢の隅"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "1", L::Place, 390, 390, 0, 0, 1, "cell door straw:牢の扉"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "2", L::Place, 390, 390, 0, 0, 1, "cell window straw:窓のある隅"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "3", L::Place, 390, 390, 0, 0, 1, "hall:通路"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "4", L::Place, 390, 390, 0, 0, 1, "wood path:林"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "5", L::Place, 390, 390, 0, 0, 1, "meadow village people path:村"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "6", L::Place, 390, 390, 0, 0, 1, "meadow crater:何かの跡"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "7", L::Place, 390, 390, 0, 0, 1, "meadow river:川"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "8", L::Place, 390, 390, 0, 0, 1, "meadow trees oldhouse:寂れた家"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "9", L::Place, 390, 390, 0, 0, 1, "room window:家の中"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "10", L::Place, 390, 390, 0, 0, 1, "room dragon:幼いドラゴン"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "11", L::Place, 390, 390, 0, 0, 1, "room jar:大きなカメ"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "12", L::Place, 390, 390, 0, 0, 1, "deepforest path:森の道"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "13", L::Place, 390, 390, 0, 0, 1, "forest spring:泉"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "14", L::Place, 390, 390, 0, 0, 1, "meadow flowers:草原"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "15", L::Place, 390, 390, 0, 0, 1, "meadow mountains path:洞窟への道"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "16", L::Place, 390, 390, 0, 0, 1, "dark:真っ暗"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "17", L::Place, 390, 390, 0, 0, 1, "cave:洞窟の奥"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "20", L::Place, 390, 390, 0, 0, 1, "odd path:異境の道"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "21", L::Place, 390, 390, 0, 0, 1, "meadow fields:田畑"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "22", L::Place, 390, 390, 0, 0, 1, "meadow fields farmhouse farmer:農家"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "23", L::Place, 390, 390, 0, 0, 1, "meadow town people:町"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "24", L::Place, 390, 390, 0, 0, 1, "meadow hillhouse:丘の上の家"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "25", L::Place, 390, 390, 0, 0, 1, "meadow pagoda:五重の塔"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "26", L::Place, 390, 390, 0, 0, 1, "temple statue:塔の中の像"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "27", L::Place, 390, 390, 0, 0, 1, "meadow mountains river bridge:橋"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "28", L::Place, 390, 390, 0, 0, 1, "mount giant:巨大な魔物"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "29", L::Place, 390, 390, 0, 0, 1, "mount valley:山の谷間"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "30", L::Place, 390, 390, 0, 0, 1, "meadow basin:盆地"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "31", L::Place, 390, 390, 0, 0, 1, "odd torii:鳥居"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "40", L::Place, 390, 390, 0, 0, 1, "desert:砂漠"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "41", L::Place, 390, 390, 0, 0, 1, "desert canyon:渓谷"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "42", L::Place, 390, 390, 0, 0, 1, "desert deserttown:砂漠の町"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "43", L::Place, 390, 390, 0, 0, 1, "desert ruins:遺跡"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "44", L::Place, 390, 390, 0, 0, 1, "desert shrine:大神殿"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "45", L::Place, 390, 390, 0, 0, 1, "desert ruins trader:遺跡と交易商"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "50", L::Place, 390, 390, 0, 0, 1, "desert oasis:オアシス"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "51", L::Place, 390, 390, 0, 0, 1, "desert palace:宮殿"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "52", L::Place, 390, 390, 0, 0, 1, "desert monster:道をふさぐ魔物"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "53", L::Place, 390, 390, 0, 0, 1, "lab computer:巨大なコンピューター"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "54", L::Place, 390, 390, 0, 0, 1, "lab ship:スペースシップ"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "59", L::Place, 390, 390, 0, 0, 1, "sky rocket:上空へ"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "60", L::Place, 390, 390, 0, 0, 1, "space homeplanet station:宇宙ステーション"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "61", L::Place, 390, 390, 0, 0, 1, "space moon:月の裏側"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "62", L::Place, 390, 390, 0, 0, 1, "space colony:スペースコロニー"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "63", L::Place, 390, 390, 0, 0, 1, "space asteroids:小惑星"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "64", L::Place, 390, 390, 0, 0, 1, "space nebula:宇宙空間"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "65", L::Place, 390, 390, 0, 0, 1, "space bigplanet:惑星"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "68", L::Place, 390, 390, 0, 0, 1, "space impact:衝撃"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "69", L::Place, 390, 390, 0, 0, 1, "light:光に包まれて"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "70", L::Place, 390, 390, 0, 0, 1, "space bighome:母星"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "71", L::Place, 390, 390, 0, 0, 1, "space system:救われた星系"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "90", L::Place, 390, 390, 0, 0, 1, "cell opendoor straw:開いた扉"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "91", L::Place, 390, 390, 0, 0, 1, "forest spring fairy:泉の妖精"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "92", L::Place, 390, 390, 0, 0, 1, "mount cavemouth:洞窟の入口"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "93", L::Place, 390, 390, 0, 0, 1, "cave rabbit:巨大なウサギ"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "94", L::Place, 390, 390, 0, 0, 1, "mount path:山の中"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "95", L::Place, 390, 390, 0, 0, 1, "desert grave:王の墓"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "96", L::Place, 390, 390, 0, 0, 1, "space explosion:惑星の爆発"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "97", L::Place, 390, 390, 0, 0, 1, "space vortex:巨大な渦"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "98", L::Place, 390, 390, 0, 0, 1, "space blackhole:ブラックホール"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "99", L::Place, 390, 390, 0, 0, 1, "space trail:コロニーの去った空"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "80", L::Title, 920, 690, 0, 0, 1, "ルームアドベンチャー"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "82", L::Icons, 360, 60, 60, 60, 1, "鍵衣布毒板燃"},
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "83", L::Title, 800, 600, 0, 0, 1, "めでたしめでたし"},
    {"Tanselr_Data/TanselrCG/G08/BotuCG_{nn}.JPG", "0-13", L::Scene, 390, 390, 0, 0, 1, "おまけＣＧ"},

    // ---- Marbrook sounds: "Tanselr_Data/TanselrSnd/" ----
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t01_Seisaku_Doon.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t02_Seisaku_Sha.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t03_Logo_Pi.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/TV_私たちは日々01.wav", "", L::Voice},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/TV_Marbrook01.wav", "", L::Voice},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t15_ButMove_Pi.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t16_ButClick_Poi.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t21_Kettei.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t22_Syouten_Pyu.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t25_pyo112.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t26_pyo133.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t30_Boun.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t31_Shun126.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t32_Pyon.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t33_Kan_Buwa2.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t34_Sa.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t35_Eve_Huuin_Bomn_s.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/t36_Teki_Pi.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/G050_Kan_Buwa1.wav", "", L::Effect},
    // The title voice clips whose names the games leave open (100 to 104, 106, 107,
    // 110, 111) are ours.
    {"Tanselr_Data/TanselrSnd/TanselrTitle/VT_はじめから1.wav", "", L::Voice},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/VT_つづきから1.wav", "", L::Voice},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/VT_おまけ1.wav", "", L::Voice},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/VT_設定1.wav", "", L::Voice},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/VT_おわり1.wav", "", L::Voice},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/VT_戻る1.wav", "", L::Voice},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/VT_章選択1.wav", "", L::Voice},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/VT_ギャラリー1.wav", "", L::Voice},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/VP_ようこそ.wav", "", L::Voice},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/VP_またね.wav", "", L::Voice},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/VP_私のお話です.wav", "", L::Voice},
    {"Tanselr_Data/TanselrSnd/TanselrTitle/VT_私のお話です.wav", "", L::Voice},
    {"Tanselr_Data/TanselrSnd/TanselrInter/t07_Buwa2.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Fu40_Pu_Timer.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Sc30_Sha.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Fu41_Pu_Choku.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Fu42_Pu_224.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Fu43_Pu_252.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Fu44_Pu_149.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Fu54_Pokun.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Fu55_Po.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Fu56_ohgoe.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Fu57_ohgoe_Max.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Mi131_Ques.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Mi132_!Red.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Mi133_!Yellow.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Sc200_Bun.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Sc200_Doshu.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/Sc202_Dozaa.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrInter/G00_Att00.wav", "", L::Effect},
    // The story's voices (the game plays 1000 to 9999; the stages name 1000 to 3777).
    {"Tanselr_Data/TanselrSnd/TanselrVoice/Voice_{n}.MP3", "1000-3777", L::Voice},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G00_Att00.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G00_Att01.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G00_カンバン.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G00_コマンド.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G00_防御.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G00_画面切替.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G00_カーソル.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02a_タイトル落下.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02a_スライド表示A.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02a_決定.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02a_スライド表示B.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02a_誕生.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02a_サイコロ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02a_移動.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02a_メッセージ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02a_クリア.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02b_白板切替え.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02b_セレクト板.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02b_選択Sub.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02b_決定.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02b_移動.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02b_サイコロ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02b_カンバン.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G02b_クリア.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G03_正解.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G03_選択.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G03_カンバン.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G03_決定.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G03_めくる.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G03_残消滅.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G03_クリア.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G03_ゲームオーバー.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G04_画面クリック.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G04_コマ決定.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G04_コマ選択.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G04_BETボタン.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G04_所持金増える.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G04_10万超えた.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G04_ゲームクリア.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G04_ゲームオーバー.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G05_攻撃.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G05_ダメージ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G05_表示1.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G05_メス.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G05_表示2.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G05_移動.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_タイトル3_ざんっ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_タイトル1_ぶわ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_看板1_ぶっ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_登場_ぴょ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_看板2_しゃっ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_敵_ぶわ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_点滅_ふぃ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_メス_ぼうっ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_看板3_ぶわ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_選択_ぴょ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_メス_ぴゅ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_攻撃_ぼしゅ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_分裂_ぶわ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_増殖_ぶわ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_ワープ_ぶぶわー.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_ラスボス登場.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_スローカウント_ぷ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_ハート1_ぷぃ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_×印_ぶぶー.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_爆発_ちゅばーん.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_シェイク音_ぽわ.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_ポローン.wav", "", L::Effect},
    {"Tanselr_Data/TanselrSnd/TanselrGame/G01/G1_クリア消滅_ビイーン.wav", "", L::Effect},
    // Music; the two duel pieces, whose names the games leave open, are ours.
    {"Tanselr_Data/TanselrSnd/Music/G0_BGM00_last_duel.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G0_BGM01_last_duel_final.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G1a_BGM00_time_trial.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G1a_BGM01_idling.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G1b_BGM00_lightness.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G1b_BGM01_pureness.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G1c_BGM00_being_blue_earth.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G1c_BGM01_excited2.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G2_BGM00_ending.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G2_BGM01_opening.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G2_BGM02_tukinosizuku.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G2b_BGM00_the_time_flows_slowly.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G2b_BGM01_yumemiruyoru.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G2b_BGM02_french_cafe.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G3_BGM00_refreshing_wind.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G3_BGM01_weather_report.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G3_BGM02_tomorrow.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G3_BGM03_night.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G4_BGM00_reggae.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G4_BGM01_brightness.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G4_BGM02_dance80.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G5_BGM00_symphony7.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G5_BGM01_menuettm.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G5_BGM02_nocturne.mp3", "", L::Music},
    {"Tanselr_Data/TanselrSnd/Music/G5_BGM03_strain.mp3", "", L::Music},
    // ---- Vadrim ----
    // Pictures: "Kespa_Data/KespaCG/" (the extras' picture show under "KespaETC/").
    // The logo letters: seven 16 by 16 cells in a row.
    {"Kespa_Data/KespaCG/Logo1.jpg", "", L::Icons, 112, 16, 16, 16, 1, "VADRIM!"},
    // Title pictures A, B and the one that replaces A, sliding in full width.
    {"Kespa_Data/KespaCG/Title0-{nn}.jpg", "0-2", L::Title, 920, 314, 0, 0, 1, "Vadrim"},
    // The tile sheet: three 116 by 116 cells and a 92 by 92 one at x 348.
    {"Kespa_Data/KespaCG/Title{nn}.jpg", "1", L::Sheet, 440, 116, 116, 116, 1,
     "Ｖ@0,0,116,116|Ａ@116,0,116,116|Ｄ@232,0,116,116|Ｒ@348,0,92,92"},
    {"Kespa_Data/KespaCG/Title{nn}.jpg", "2,3", L::Title, 920, 690, 0, 0, 1, "Vadrim"},
    // Main-menu buttons 173 by 58, one row each: plain, not enabled, highlighted.
    {"Kespa_Data/KespaCG/Title{nn}.jpg", "9", L::Sheet, 519, 290, 173, 58, 3,
     "はじめから|ステージ選択|シーン回想|おまけ|おわり"},
    {"Kespa_Data/KespaCG/Title{nn}.jpg", "10", L::Panel, 200, 80, 0, 0, 1, "もどる"},
    {"Kespa_Data/KespaCG/Title{nn}.jpg", "20", L::Panel, 600, 100, 0, 0, 1, "シーン回想"},
    // The scene gallery's six entries: 400 by 80 at y 0, 400 by 160 at y 80 and 240;
    // each the place of the scene it replays (stages 11, 21, 31, 41, 51, 54) and whose.
    {"Kespa_Data/KespaCG/Title{nn}.jpg", "21", L::Place, 800, 400, 0, 0, 1,
     "forest path:_リゼッタ　西の森@0,0,400,80|meadow hill windmill:_ミルカ　東の丘@400,0,400,80|"
     "plaza fountain:_ソラナ　中央広場@0,80,400,160|plaza:_ネフィ　中央広場@400,80,400,160|"
     "plaza fountain dusk:_ふたり　中央広場@0,240,400,160|plaza night:_ソラナ　その後@400,240,400,160"},
    // Falls through the screen when the extras are picked before all routes are cleared.
    {"Kespa_Data/KespaCG/Title{nn}.jpg", "30", L::Notice, 700, 200, 0, 0, 1,
     "#5A3C78 おまけはまだ開いていません/３つのルートをすべて/クリアすると開きます"},
    // The extras menu's three 600 by 100 rows.
    {"Kespa_Data/KespaCG/Title{nn}.jpg", "44", L::Sheet, 600, 300, 600, 100, 1, "画像集|ステージ回想|おまけステージ"},
    {"Kespa_Data/KespaCG/Title{nn}.jpg", "45", L::Panel, 350, 100, 0, 0, 1, "おまけ"},
    {"Kespa_Data/KespaCG/Title{nn}.jpg", "99", L::Title, 920, 690, 0, 0, 1, "Vadrim"},
    // The board select's cells: row s of a route at y 50 (s - 1), 200 by 50, opened,
    // locked and highlighted side by side; the route-select cell 200 by 70 at y 550
    // (the last row, which takes the rest of the height).
    {"Kespa_Data/KespaCG/StageSelect{nn}.jpg", "1", L::Sheet, 600, 620, 200, 50, 3,
     "第１ステージ|第２ステージ|第３ステージ|第４ステージ|第５ステージ|第６ステージ|第７ステージ|第８ステージ|"
     "第９ステージ|第１０ステージ|第１１ステージ|ルート選択へ"},
    // The panel the board select copies its cells onto: each route's name above its
    // rows (y 85, 220, 355), left of its cleared stamp and of the route-select cell.
    {"Kespa_Data/KespaCG/StageSelect{nn}.jpg", "11", L::Heads, 800, 600, 0, 0, 1,
     "ステージ選択@24,6,300,34|西の森ルート@30,50,236,30|東の丘ルート@30,185,270,30|中央広場ルート@30,320,360,30"},
    // The stage gallery's 93 by 70 thumbnails, plain and highlighted: cell (a, b) at
    // (93 a, 70 b) a small copy of the picture its stage opens on (the route's place,
    // or the scene a scene stage shows), with its place in the route's story.
    {"Kespa_Data/KespaCG/CGSelect{nn}.jpg", "2", L::Thumbs, 930, 490, 93, 70, 2,
     "Kespa_Data/KespaCG/Event/リゼッタ00e.jpg:第２話|Kespa_Data/KespaCG/Event/リゼッタ02f.jpg:第４話|Kespa_Data/KespaCG/Event/リゼッタ01e.jpg:第３話|||"
     "Kespa_Data/KespaCG/Event/ミルカ00e.jpg:第２話|Kespa_Data/KespaCG/Event/ミルカ01e.jpg:第３話|Kespa_Data/KespaCG/Event/ミルカ02m.jpg:第４話|Kespa_Data/KespaCG/Event/ミルカ03f.jpg:第５話||"
     "Kespa_Data/KespaCG/Event/ソラナ00.jpg:第２話|Kespa_Data/KespaCG/Event/ソラナ01.jpg:第３話||Kespa_Data/KespaCG/Event/ソラナ09a.jpg:第４話||"
     "Kespa_Data/KespaCG/Event/ネフィ00g.jpg:第６話|Kespa_Data/KespaCG/Event/ネフィ01.jpg:第７話||Kespa_Data/KespaCG/Event/ネフィ09a.jpg:第８話||"
     "Kespa_Data/KespaCG/Event/ふたり00.jpg:第１０話|Kespa_Data/KespaCG/Event/ふたり01.jpg:第１１話|Kespa_Data/KespaCG/Event/ふたり02m.jpg:第１２話|Kespa_Data/KespaCG/Event/ソラナ03a8m.jpg:第１３話|Kespa_Data/KespaCG/Event/ネフィ03a8m.jpg:第１５話|"
     "|Kespa_Data/KespaCG/Back/左側B.jpg:第１話|Kespa_Data/KespaCG/Back/右側.jpg:第１話|Kespa_Data/KespaCG/Back/真ん中.jpg:第１話|Kespa_Data/KespaCG/Back/真ん中.jpg:第５話|"
     "Kespa_Data/KespaCG/Back/真ん中.jpg:第９話|Kespa_Data/KespaCG/Back/真ん中.jpg:第１４話|Kespa_Data/KespaCG/Back/真ん中.jpg:第１６話|Kespa_Data/KespaCG/Back/海岸B.jpg:最終話|"},
    // The stage gallery's panel: each route's name above its rows (y 80, 215, 350);
    // the last stage's lone thumbnail at (677, 20) carries its own name.
    {"Kespa_Data/KespaCG/CGSelect{nn}.jpg", "11", L::Heads, 800, 600, 0, 0, 1,
     "ステージ回想@24,6,300,34|西の森ルート@40,46,330,30|東の丘ルート@40,181,330,30|中央広場ルート@40,316,330,30"},
    // The route-clear pictures by cleared route, each over the route's place.
    {"Kespa_Data/KespaCG/AllClear{nn}.jpg", "0", L::Place, 920, 400, 0, 0, 1, "forest path:^西の森ルート　クリア！"},
    {"Kespa_Data/KespaCG/AllClear{nn}.jpg", "1", L::Place, 920, 400, 0, 0, 1, "meadow hill windmill:^東の丘ルート　クリア！"},
    {"Kespa_Data/KespaCG/AllClear{nn}.jpg", "2", L::Place, 920, 400, 0, 0, 1, "plaza fountain:^中央広場ルート　クリア！"},
    // The cleared stamps, one 250 by 50 row per route; the board select copies
    // (20, 50 r, 230, 50).
    {"Kespa_Data/KespaCG/AllClear{nn}.jpg", "10", L::Sheet, 250, 150, 250, 50, 1, "CLEAR!"},
    // The message that falls after a route-clear picture, by the count of cleared
    // routes (20 + count - 1); after the third the final stage begins.
    {"Kespa_Data/KespaCG/AllClear{nn}.jpg", "20", L::Notice, 700, 200, 0, 0, 1,
     "#B4641E ひとつめのルートをクリア！/ほかのルートでも遊んでみよう（のこり２つ）"},
    {"Kespa_Data/KespaCG/AllClear{nn}.jpg", "21", L::Notice, 700, 200, 0, 0, 1,
     "#B4641E ふたつめのルートをクリア！/のこりのルートは、あと１つ"},
    {"Kespa_Data/KespaCG/AllClear{nn}.jpg", "22", L::Notice, 700, 200, 0, 0, 1,
     "#B4641E すべてのルートをクリア！/最後の物語がはじまる"},
    // The extras' picture show: views of the town, one a click.
    {"Kespa_Data/KespaETC/ACM_{nn}.dat", "0", L::Place, 920, 690, 0, 0, 1, "forest path:_西の森の小道"},
    {"Kespa_Data/KespaETC/ACM_{nn}.dat", "1", L::Place, 920, 690, 0, 0, 1, "meadow hill windmill:_東の丘の風車"},
    {"Kespa_Data/KespaETC/ACM_{nn}.dat", "2", L::Place, 920, 690, 0, 0, 1, "plaza fountain:_中央広場の噴水"},
    {"Kespa_Data/KespaETC/ACM_{nn}.dat", "3", L::Place, 920, 690, 0, 0, 1, "coast boats:_朝の海岸"},
    {"Kespa_Data/KespaETC/ACM_{nn}.dat", "4", L::Place, 920, 690, 0, 0, 1, "meadow panorama:_オルヴェルの町"},
    {"Kespa_Data/KespaETC/ACM_{nn}.dat", "5", L::Place, 920, 690, 0, 0, 1, "forest night:_夜の森"},
    {"Kespa_Data/KespaETC/ACM_{nn}.dat", "6", L::Place, 920, 690, 0, 0, 1, "meadow hill windmill night:_丘の星空"},
    {"Kespa_Data/KespaETC/ACM_{nn}.dat", "7", L::Place, 920, 690, 0, 0, 1, "plaza dusk fountain:_夕暮れの広場"},
    {"Kespa_Data/KespaETC/ACM_{nn}.dat", "8", L::Place, 920, 690, 0, 0, 1, "coast dusk boats:_夕焼けの海"},
    {"Kespa_Data/KespaETC/ACM_{nn}.dat", "9", L::Place, 920, 690, 0, 0, 1, "meadow panorama night:_眠るオルヴェル"},
    // The signboard the ending drops over the town.
    {"Kespa_Data/KespaETC/Kan00.dat", "", L::Panel, 400, 100, 0, 0, 1, "ほほえみの祭り"},
    {"Kespa_Data/KespaETC/Ti.dat", "", L::Place, 920, 690, 0, 0, 1, "meadow dusk panorama:^おしまい"},
    // Place backgrounds, each its place; no caption, as the route select covers the
    // town's view with its panels and the stages name their places.
    {"Kespa_Data/KespaCG/Back/Orvel全景.jpg", "", L::Place, 920, 690, 0, 0, 1, "meadow panorama"},
    {"Kespa_Data/KespaCG/Back/海岸B.jpg", "", L::Place, 920, 690, 0, 0, 1, "coast boats"},
    {"Kespa_Data/KespaCG/Back/左側B.jpg", "", L::Place, 920, 690, 0, 0, 1, "forest path"},
    {"Kespa_Data/KespaCG/Back/真ん中.jpg", "", L::Place, 920, 690, 0, 0, 1, "plaza fountain"},
    {"Kespa_Data/KespaCG/Back/右側.jpg", "", L::Place, 920, 690, 0, 0, 1, "meadow hill windmill"},
    // The ending's two backgrounds: the town at dusk, then darkened.
    {"Kespa_Data/KespaCG/Back/Event_01.jpg", "", L::Place, 920, 690, 0, 0, 1, "meadow dusk panorama"},
    {"Kespa_Data/KespaCG/Back/Event_05.jpg", "", L::Place, 920, 690, 0, 0, 1, "meadow panorama night"},
    // Faces.
    // Faces by the cast of the story: pictures 30 to 37 and 45 to 49 (38, 39 and 44
    // are no one's in the stories).
    {"Kespa_Data/KespaCG/Face/O-Face_{nn}.jpg", "0,1", L::Face, 280, 360, 0, 0, 1, "エリオ"},
    {"Kespa_Data/KespaCG/Face/O-Face_{nn}.jpg", "2,3", L::Face, 280, 360, 0, 0, 1, "ヴィム"},
    {"Kespa_Data/KespaCG/Face/O-Face_{nn}.jpg", "4,5", L::Face, 280, 360, 0, 0, 1, "コロップ"},
    {"Kespa_Data/KespaCG/Face/O-Face_{nn}.jpg", "6", L::Face, 280, 360, 0, 0, 1, "ニルス"},
    {"Kespa_Data/KespaCG/Face/O-Face_{nn}.jpg", "7", L::Face, 280, 360, 0, 0, 1, "ルーベン"},
    {"Kespa_Data/KespaCG/Face/O-Face_{nn}.jpg", "8,9,14", L::Face, 280, 360, 0, 0, 1, "村人"},
    {"Kespa_Data/KespaCG/Face/O-Face_{nn}.jpg", "15", L::Face, 280, 360, 0, 0, 1, "ゲオルグ"},
    {"Kespa_Data/KespaCG/Face/O-Face_{nn}.jpg", "16", L::Face, 280, 360, 0, 0, 1, "ヴェルマ"},
    {"Kespa_Data/KespaCG/Face/O-Face_{nn}.jpg", "17", L::Face, 280, 360, 0, 0, 1, "バルトロ"},
    {"Kespa_Data/KespaCG/Face/O-Face_{nn}.jpg", "18", L::Face, 280, 360, 0, 0, 1, "オルガ"},
    {"Kespa_Data/KespaCG/Face/O-Face_{nn}.jpg", "19", L::Face, 280, 360, 0, 0, 1, "ハルヴァル"},
    {"Kespa_Data/KespaCG/Face/リゼッタs200.jpg", "", L::Face, 280, 360, 0, 0, 1, "リゼッタ"},
    {"Kespa_Data/KespaCG/Face/ソラナs200.jpg", "", L::Face, 280, 360, 0, 0, 1, "ソラナ"},
    {"Kespa_Data/KespaCG/Face/ネフィs200.jpg", "", L::Face, 280, 360, 0, 0, 1, "ネフィ"},
    {"Kespa_Data/KespaCG/Face/ミルカs200.jpg", "", L::Face, 280, 360, 0, 0, 1, "ミルカ"},
    // The route select: its header, the three route panels (each its place, its name
    // in a band at the foot), their buttons and tag.
    {"Kespa_Data/KespaCG/SelectA2.jpg", "", L::Title, 600, 120, 0, 0, 1, "ルート選択"},
    {"Kespa_Data/KespaCG/SelectG1.jpg", "", L::Place, 270, 440, 0, 0, 1, "forest path:_西の森"},
    {"Kespa_Data/KespaCG/SelectG2.jpg", "", L::Place, 270, 440, 0, 0, 1, "plaza fountain:_中央広場"},
    {"Kespa_Data/KespaCG/SelectG3.jpg", "", L::Place, 270, 440, 0, 0, 1, "meadow hill windmill:_東の丘"},
    // Each route's button stands at y 650, its tag 19 pixels above it.
    {"Kespa_Data/KespaCG/SelectO01_50B.jpg", "", L::Panel, 200, 40, 0, 0, 1, "西の森へ"},
    {"Kespa_Data/KespaCG/SelectO02_50.jpg", "", L::Panel, 200, 40, 0, 0, 1, "中央広場へ"},
    {"Kespa_Data/KespaCG/SelectO03_50B.jpg", "", L::Panel, 200, 40, 0, 0, 1, "東の丘へ"},
    {"Kespa_Data/KespaCG/SelectB2.jpg", "", L::Panel, 120, 20, 0, 0, 1, "決定"},
    // The staff pictures the ending slides in (60 to 64) and the rest of the set.
    {"Kespa_Data/KespaCG/Staff{nn}.jpg", "0", L::Notice, 920, 690, 0, 0, 1, "#283C64 Vadrim/遊んでくれて、ありがとう"},
    {"Kespa_Data/KespaCG/Staff{nn}.jpg", "1", L::Notice, 920, 690, 0, 0, 1, "#283C64 物語/Thornquill"},
    {"Kespa_Data/KespaCG/Staff{nn}.jpg", "2", L::Notice, 920, 690, 0, 0, 1, "#283C64 絵/Thornquill"},
    {"Kespa_Data/KespaCG/Staff{nn}.jpg", "3", L::Notice, 920, 690, 0, 0, 1, "#283C64 音楽/Thornquill"},
    {"Kespa_Data/KespaCG/Staff{nn}.jpg", "4", L::Notice, 920, 690, 0, 0, 1, "#283C64 プログラム/Thornquill"},
    {"Kespa_Data/KespaCG/Staff{nn}.jpg", "5", L::Notice, 920, 690, 0, 0, 1, "#283C64 ボードゲーム/Thornquill"},
    {"Kespa_Data/KespaCG/Staff{nn}.jpg", "6", L::Notice, 920, 690, 0, 0, 1, "#283C64 テストプレイ/Thornquill"},
    {"Kespa_Data/KespaCG/Staff{nn}.jpg", "7", L::Notice, 920, 690, 0, 0, 1, "#283C64 協力/遊んでくれたみなさん"},
    {"Kespa_Data/KespaCG/Staff{nn}.jpg", "8", L::Notice, 920, 690, 0, 0, 1, "#283C64 制作/Thornquill"},
    {"Kespa_Data/KespaCG/Staff{nn}.jpg", "9", L::Notice, 920, 690, 0, 0, 1, "#283C64 おしまい/またいつか、オルヴェルで"},
    // The board game. The tiles: 8 by 4 of 100 by 100, by the board's symbols, each
    // kind its colour, mark and word; row by row: the plain path cell, the inner grid,
    // then each kind at its place; the sealed 凶 and 狂 at column 2.
    {"Kespa_Data/KespaCG/Game/Map05.jpg", "", L::KindTiles, 800, 400, 100, 100, 1,
     "|□||逆|連|封|T1|力|吉|凶|封凶|具|ワ|止|T2|L1|幸|狂|封狂|選|攻|タ|T3|L2|ﾍ0|ﾍ1|ﾍ2"},
    // The travel-direction pictures, above and below the board: picture 2 where the
    // piece moves right along that edge, picture 1 where it moves left.
    {"Kespa_Data/KespaCG/Game/Houkou_{nn}.jpg", "1", L::Panel, 260, 40, 0, 0, 1, "◀◀　進む向き　◀◀"},
    {"Kespa_Data/KespaCG/Game/Houkou_{nn}.jpg", "2", L::Panel, 260, 40, 0, 0, 1, "▶▶　進む向き　▶▶"},
    // The attack buttons by attack kind: the neighbouring cell, two cells, the whole
    // line; the row below while 力 lasts. Each shows the cells it reaches and its damage.
    {"Kespa_Data/KespaCG/Game/com03_110.jpg", "", L::AttackButtons, 330, 220, 110, 110, 1,
     "となり/1/３ダメージ|２マス先まで/2/２ダメージ|一列ぜんぶ/9/１ダメージ|"
     "となり/1/５ダメージ|２マス先まで/2/３ダメージ|一列ぜんぶ/9/２ダメージ"},
    // Die faces 0 to 6, 180 by 180 each.
    {"Kespa_Data/KespaCG/Game/dice01.jpg", "", L::Dice, 1260, 180, 180, 180, 1, "0"},
    // The 運 and 女 gauge faces, 130 by 195.
    {"Kespa_Data/KespaCG/Game/Para00c.jpg", "", L::Gauges, 260, 195, 130, 195, 1, "運女"},
    // The panel behind the item buttons, which stand at (15, 15 + 75 i): its name at
    // the foot, below the fourth.
    {"Kespa_Data/KespaCG/Game/ItemBack{nn}.jpg", "0", L::Heads, 95, 320, 0, 0, 1, "道具@8,306,79,12"},
    // The opening pick's panel, which the 21 icons cover: the banner above names it.
    {"Kespa_Data/KespaCG/Game/ItemBack{nn}.jpg", "13", L::Heads, 615, 265, 0, 0, 1, ""},
    {"Kespa_Data/KespaCG/Game/Turn01.jpg", "", L::Panel, 200, 60, 0, 0, 1, "ターン"},
    // Item icons, 65 by 65, seven to a row: items 10 to 30 in order, the die items as
    // die faces, the others as the tile of the kind they stand for.
    {"Kespa_Data/KespaCG/Game/Item.jpg", "", L::KindTiles, 455, 195, 65, 65, 1,
     "d0|d1|d2|d3|d4|d5|d6|逆|ワ|止|力|封|タ|攻|吉|幸|T1|L1|T2|ﾍ0|ﾍ1"},
    {"Kespa_Data/KespaCG/Game/Mes01C.jpg", "", L::Panel, 600, 150, 0, 0, 1, "メッセージ"},
    // Creature pictures, 90 by 90, ten to a row.
    {"Kespa_Data/KespaCG/Game/Teki01.jpg", "", L::Creatures, 900, 1800, 90, 90, 1,
     "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"},
    // The line-strike arrows, 50 by 50 by direction: plain, then lit one row down.
    {"Kespa_Data/KespaCG/Game/Attack00.jpg", "", L::BoardTiles, 200, 100, 50, 50, 1, "↑|→|↓|←|↑|→|↓|←"},
    {"Kespa_Data/KespaCG/Game/Kan_GAME START.jpg", "", L::Panel, 600, 150, 0, 0, 1, "GAME START"},
    // The stage signs, by the stage's place in its route.
    {"Kespa_Data/KespaCG/Game/Kan_STAGE_{nn}.jpg", "1-17", L::Notice, 600, 150, 0, 0, 1, "#283C8C 第{n}ステージ"},
    // Menu buttons 90 by 30: the rules pages and the restart dialog.
    {"Kespa_Data/KespaCG/Game/Button00.jpg", "", L::Sheet, 90, 60, 90, 30, 1, "あそびかた|やり直す"},
    // The landed-cell banners by kind / 10. 吉 (and 幸), 凶 (and 狂), タ and 攻 get the
    // amount printed over the middle: their sign stands just left of it, the kind on
    // the left and what changed on the right, each in its own colour.
    {"Kespa_Data/KespaCG/Game/EventKan01.jpg", "", L::EffectBanner, 620, 140, 0, 0, 1, "吉・幸|＋|運が/上がった！|#C87814"},
    {"Kespa_Data/KespaCG/Game/EventKan02.jpg", "", L::EffectBanner, 620, 140, 0, 0, 1, "凶・狂|－|運が/下がった……|#5A2882"},
    {"Kespa_Data/KespaCG/Game/EventKan11.jpg", "", L::EffectBanner, 620, 140, 0, 0, 1, "タ|＋|残りターン/アップ！|#1E8246"},
    {"Kespa_Data/KespaCG/Game/EventKan12.jpg", "", L::EffectBanner, 620, 140, 0, 0, 1, "攻|＋|攻撃回数/アップ！|#AA283C"},
    {"Kespa_Data/KespaCG/Game/EventKan03.jpg", "", L::Notice, 620, 140, 0, 0, 1, "#3C78C8 道具ゲット！/道具がひとつ手に入る"},
    // The 選 banner stays above the five cards while the player picks.
    {"Kespa_Data/KespaCG/Game/EventKan04.jpg", "", L::Notice, 620, 140, 0, 0, 1, "#28A0AA 道具を選ぼう！/下の５枚から１枚をクリック"},
    {"Kespa_Data/KespaCG/Game/EventKan05.jpg", "", L::Notice, 620, 140, 0, 0, 1, "#E6782A 逆まわり！/進む向きが反対になった"},
    {"Kespa_Data/KespaCG/Game/EventKan06.jpg", "", L::Notice, 620, 140, 0, 0, 1, "#78BE3C もう一回！/もう一度サイコロを振れる"},
    {"Kespa_Data/KespaCG/Game/EventKan07.jpg", "", L::Notice, 620, 140, 0, 0, 1, "#5A50C8 ワープ！/どこかのマスへ飛んでいく"},
    {"Kespa_Data/KespaCG/Game/EventKan08.jpg", "", L::Notice, 620, 140, 0, 0, 1, "#C82828 ストップ！/２ターンの間、盤の子が動かない"},
    {"Kespa_Data/KespaCG/Game/EventKan09.jpg", "", L::Notice, 620, 140, 0, 0, 1,
     "#C85A1E パワーアップ！/このターンと次のターン、/攻撃が強くなる"},
    {"Kespa_Data/KespaCG/Game/EventKan10.jpg", "", L::Notice, 620, 140, 0, 0, 1, "#464678 封印！/２ターンの間、/凶と狂のマスが効かない"},
    // Kinds from 130 up take the three-digit banners below; these stand in for them.
    {"Kespa_Data/KespaCG/Game/EventKan13.jpg", "", L::Notice, 620, 140, 0, 0, 1, "#DC6478 ねらい撃ち！/盤の子を１匹選んで攻撃できる"},
    {"Kespa_Data/KespaCG/Game/EventKan14.jpg", "", L::Notice, 620, 140, 0, 0, 1, "#9664C8 一列攻撃！/縦か横の一列を選んで攻撃できる"},
    {"Kespa_Data/KespaCG/Game/EventKan15.jpg", "", L::Notice, 620, 140, 0, 0, 1, "#508C8C マスが変わる！/どこかのマスの種類が変わる"},
    {"Kespa_Data/KespaCG/Game/Kan_GO_s60.jpg", "", L::Panel, 60, 60, 0, 0, 1, "GO"},
    // The endings' bands, cut into strips the window's width.
    {"Kespa_Data/KespaCG/Game/Kan_GAMEOVERb.jpg", "", L::Notice, 920, 230, 0, 0, 1, "#8C2828 GAME OVER"},
    {"Kespa_Data/KespaCG/Game/Kan_STAGECLEAR.jpg", "", L::Notice, 920, 230, 0, 0, 1, "#C8961E STAGE CLEAR"},
    // The omen windows: the message is printed over them.
    {"Kespa_Data/KespaCG/Game/Mes10-00.jpg", "", L::Panel, 650, 250, 0, 0, 1, ""},
    {"Kespa_Data/KespaCG/Game/Mes10-01.jpg", "", L::Panel, 650, 250, 0, 0, 1, ""},
    {"Kespa_Data/KespaCG/Game/Mes10-02.jpg", "", L::Panel, 650, 250, 0, 0, 1, ""},
    {"Kespa_Data/KespaCG/Game/Mes10-03.jpg", "", L::Panel, 650, 250, 0, 0, 1, ""},
    {"Kespa_Data/KespaCG/Game/Mes10-04.jpg", "", L::Panel, 650, 250, 0, 0, 1, ""},
    {"Kespa_Data/KespaCG/Game/Mes10-05.jpg", "", L::Panel, 650, 250, 0, 0, 1, ""},
    // The pieces by the board's character: tokens with no caption, as the turn
    // marker stands over them.
    // Each piece wears its character's colours (the faces' names); 0 is no one's.
    {"Kespa_Data/KespaCG/Game/Koma70_{nn}.jpg", "0", L::Token, 70, 70},
    {"Kespa_Data/KespaCG/Game/Koma70_{nn}.jpg", "1", L::Token, 70, 70, 0, 0, 1, "エリオ"},
    {"Kespa_Data/KespaCG/Game/Koma70_{nn}.jpg", "2", L::Token, 70, 70, 0, 0, 1, "ヴィム"},
    {"Kespa_Data/KespaCG/Game/Koma70_{nn}.jpg", "3", L::Token, 70, 70, 0, 0, 1, "コロップ"},
    {"Kespa_Data/KespaCG/Game/Koma70_{nn}.jpg", "4", L::Token, 70, 70, 0, 0, 1, "ニルス"},
    {"Kespa_Data/KespaCG/Game/Koma70_{nn}.jpg", "5", L::Token, 70, 70, 0, 0, 1, "ルーベン"},
    {"Kespa_Data/KespaCG/Game/Koma70_{nn}.jpg", "6", L::Token, 70, 70, 0, 0, 1, "ボルダン家"},
    // The overlays that blink over creatures, by event: removed or eaten, arrived,
    // merged, life ended, changed, brought by a chain, changed by a chain.
    {"Kespa_Data/KespaCG/Game/Mini{nn}_s96.jpg", "1", L::Burst, 96, 96, 0, 0, 1, "消えた！"},
    {"Kespa_Data/KespaCG/Game/Mini{nn}_s96.jpg", "2", L::Burst, 96, 96, 0, 0, 1, "登場！"},
    {"Kespa_Data/KespaCG/Game/Mini{nn}_s96.jpg", "3", L::Burst, 96, 96, 0, 0, 1, "合体！"},
    {"Kespa_Data/KespaCG/Game/Mini{nn}_s96.jpg", "4", L::Burst, 96, 96, 0, 0, 1, "さよなら"},
    {"Kespa_Data/KespaCG/Game/Mini{nn}_s96.jpg", "5", L::Burst, 96, 96, 0, 0, 1, "変身！"},
    {"Kespa_Data/KespaCG/Game/Mini{nn}_s96.jpg", "6", L::Burst, 96, 96, 0, 0, 1, "出現！"},
    {"Kespa_Data/KespaCG/Game/Mini{nn}_s96.jpg", "7", L::Burst, 96, 96, 0, 0, 1, "変身！"},
    // After the failure ending; the next click starts the board again.
    {"Kespa_Data/KespaCG/Game/Kan_CONTINUE.jpg", "", L::Notice, 600, 150, 0, 0, 1,
     "#283C8C もう一度挑戦！/クリックすると、/このステージを最初から"},
    // The counter badges' cells, 133 by 40: 止, 力, 封, the count printed on x 111.
    {"Kespa_Data/KespaCG/Game/EventMini{nn}.jpg", "0", L::Badges, 133, 120, 133, 40, 1, "止|力|封"},
    {"Kespa_Data/KespaCG/Game/EventMini{nn}.jpg", "1-9", L::Token, 100, 100},
    {"Kespa_Data/KespaCG/Game/Kan_Stop_550.jpg", "", L::Notice, 550, 124, 0, 0, 1, "#C82828 ストップ中！/盤の子は動けない"},
    // The rules pages, one a click: the goal and a turn, the gauges and the danger
    // level, the cells and the items, the creatures and the attacks.
    {"Kespa_Data/KespaCG/Game/Manual_{nn}.jpg", "1", L::Rules, 880, 650, 0, 0, 1,
     "あそびかた　１　ゲームの目的/"
     "盤のまわりのマスをコマで進みながら、/"
     "内側にいる「盤の子」たちに攻撃しよう。/"
     "「女」のゲージを１００にすれば、ステージクリア！/"
     "/"
     "*１ターンの流れ/"
     "①　盤をクリックするとサイコロを振り、出た目の数だけコマが進む。/"
     "②　止まったマスの効果が起こる（マスの種類は３ページ目）。/"
     "③　内側を向いたマスなら、右に出る攻撃ボタンで盤の子を攻撃できる。/"
     "　　攻撃しないときは、ボタンのないところをクリック。/"
     "④　盤の子が動いたり変わったりして、次のターンへ。/"
     "/"
     "*こんなときはステージ失敗、最初からやり直し/"
     "・「運」のゲージが０になったとき/"
     "・サイコロを振れる回数（残りターン）がなくなったとき/"
     "・盤の上に盤の子が１匹もいなくなったとき/"
     "クリックで次のページへ（１／４）"},
    {"Kespa_Data/KespaCG/Game/Manual_{nn}.jpg", "2", L::Rules, 880, 650, 0, 0, 1,
     "あそびかた　２　ふたつのゲージと危険度/"
     "*ゲージ/"
     "[運]運：はじめは１００。凶や狂のマス、盤の子のしわざで減る。/"
     "　　吉や幸のマスで増える（１００まで）。０になると失敗。/"
     "[女]女：はじめは０。盤の子に攻撃を当てたり、倒したり、/"
     "　　時間がたったりすると変わる。１００になればクリア！/"
     "*危険度/"
     "運が下がると危険度が上がり、不吉な知らせが届く。/"
     "運が８０以下で１、６０以下で２、４０以下で３、２０以下で４。/"
     "運が０になると危険度５。キャラクターに大変なことが起きて失敗。/"
     "運がまた増えても、危険度は下がらない。/"
     "*回数/"
     "[タ]残りターン：サイコロを振れる回数。タのマスで６増える。/"
     "[攻]攻撃回数：攻撃できる回数。攻のマスで３増える。/"
     "クリックで次のページへ（２／４）"},
    {"Kespa_Data/KespaCG/Game/Manual_{nn}.jpg", "3", L::Rules, 880, 650, 0, 0, 1,
     "あそびかた　３　マスと道具/"
     "[吉]運が上がる（１０前後）||[幸]運が大きく上がる（２０前後）/"
     "[凶]運が下がる（１０前後）||[狂]運が大きく下がる/"
     "[具]道具をひとつもらえる||[選]５枚から道具をひとつ選べる/"
     "[逆]進む向きが反対になる||[連]もう一度サイコロを振れる/"
     "[ワ]どこかのマスへワープ||[止]２ターンの間、盤の子が動かない/"
     "[力]このターンと次のターン、攻撃が強い||[封]２ターンの間、凶と狂が効かない/"
     "[T1]ねらい撃ち：盤の子を１匹選ぶ||[L1]一列攻撃：縦か横の一列を選ぶ/"
     "[ﾍ0]どこかのマスの種類が変わる||狙と列の数字は、ダメージの大きさ/"
     "*道具/"
     "道具は４つまで持てる。左の道具をクリック（キーの１～４）で使う。/"
     "サイコロの道具はその目だけ進み、マスの道具はそのマスの効果が起こる。/"
     "５つ目を手に入れると、いちばん古い道具がなくなる。/"
     "クリックで次のページへ（３／４）"},
    {"Kespa_Data/KespaCG/Game/Manual_{nn}.jpg", "4", L::Rules, 880, 650, 0, 0, 1,
     "あそびかた　４　盤の子と攻撃/"
     "盤の子の右下の数字は体力。攻撃で減り、０になると消える。/"
     "盤の子は動き回り、変身したり、ほかの子を食べたり合体したりする。/"
     "攻撃を当てたとき、倒したとき、時間がたったときに「運」や「女」が変わる。/"
     "*攻撃のしかた/"
     "攻撃できるのは、内側を向いたマス（四すみ以外）に止まったとき。/"
     "攻撃はとどく範囲の盤の子すべてに当たる。１回で攻撃回数が１減る。/"
     "{attacks}/"
     "力のマスの効果があるときは、ダメージが５・３・２になる。/"
     "攻撃ボタンはテンキーの１・２・３でも選べる。/"
     "クリックでゲームにもどる（４／４）"},
    {"Kespa_Data/KespaCG/Game/Retry_Kan.jpg", "", L::Notice, 700, 200, 0, 0, 1,
     "#5A3C78 このステージを最初からやり直しますか？/今のゲームの続きは消えます"},
    // The restart dialog's buttons, 250 by 80, one above the other.
    {"Kespa_Data/KespaCG/Game/Retry_But.jpg", "", L::Sheet, 250, 160, 250, 80, 1, "やり直す|ゲームにもどる"},
    {"Kespa_Data/KespaCG/Game/Para_Turn01.jpg", "", L::Label, 130, 65, 0, 0, 1, "残りターン"},
    {"Kespa_Data/KespaCG/Game/Para_Attack01.jpg", "", L::Label, 130, 65, 0, 0, 1, "攻撃回数"},
    // The board's notices: why it failed (0 no throws left, 2 no creature left), the
    // opening pick's title (1), and the board's own rule, shown at its start: an item
    // every n turns (10 + n) or a cell turned 凶 or 狂 every n turns (20 + n).
    {"Kespa_Data/KespaCG/Game/Kan_Mes{nn}.jpg", "0", L::Notice, 700, 200, 0, 0, 1,
     "#6E3C96 サイコロを振れる回数がなくなった！/「女」を１００にできず、ステージ失敗……/もう一度挑戦しよう"},
    {"Kespa_Data/KespaCG/Game/Kan_Mes{nn}.jpg", "1", L::Notice, 700, 200, 0, 0, 1,
     "#28A0AA はじめに道具を選ぼう！/好きな道具を４つ選んでスタート/同じ道具を何度選んでもいい"},
    {"Kespa_Data/KespaCG/Game/Kan_Mes{nn}.jpg", "2", L::Notice, 700, 200, 0, 0, 1,
     "#6E3C96 盤の上から盤の子がいなくなった！/「女」を１００にできず、ステージ失敗……/もう一度挑戦しよう"},
    {"Kespa_Data/KespaCG/Game/Kan_Mes{nn}.jpg", "10", L::Notice, 700, 200, 0, 0, 1,
     "#3C78C8 このステージのルール/ときどき、道具がもらえる"},
    {"Kespa_Data/KespaCG/Game/Kan_Mes{nn}.jpg", "11", L::Notice, 700, 200, 0, 0, 1,
     "#3C78C8 このステージのルール/毎ターンのはじめに、/道具をひとつもらえる"},
    {"Kespa_Data/KespaCG/Game/Kan_Mes{nn}.jpg", "12-19", L::Notice, 700, 200, 0, 0, 1,
     "#3C78C8 このステージのルール/{n%10}ターンごとに、/道具をひとつもらえる"},
    {"Kespa_Data/KespaCG/Game/Kan_Mes{nn}.jpg", "20", L::Notice, 700, 200, 0, 0, 1,
     "#961E3C このステージのルール/ときどき、/どこかのマスが凶か狂に変わる"},
    {"Kespa_Data/KespaCG/Game/Kan_Mes{nn}.jpg", "21", L::Notice, 700, 200, 0, 0, 1,
     "#961E3C このステージのルール/ターンが終わるたびに、/どこかのマスが凶か狂に変わる"},
    {"Kespa_Data/KespaCG/Game/Kan_Mes{nn}.jpg", "22-29", L::Notice, 700, 200, 0, 0, 1,
     "#961E3C このステージのルール/{n%10}ターンごとに、/どこかのマスが凶か狂に変わる"},
    // The 選 window, which its five cards cover.
    {"Kespa_Data/KespaCG/Game/ItemBack02_445c.jpg", "", L::Heads, 445, 95, 0, 0, 1, ""},
    // The opening pick's count badge: the count is printed centred on x 180.
    {"Kespa_Data/KespaCG/Game/ItemKan01.jpg", "", L::Heads, 250, 90, 0, 0, 1, "あと@16,14,120,62|こ@212,20,32,50"},
    // Kinds 100 and 120 never take a three-digit banner (their own are above); a
    // stand-in for the name all the same.
    {"Kespa_Data/KespaCG/Game/EventKan{nnn}.jpg", "100,120", L::Notice, 620, 200, 0, 0, 1, "#508C8C ふしぎなマス！/何が起こるかな？"},
    // The strike and cell-change banners by cell kind, with the strength or what the
    // cell may become.
    {"Kespa_Data/KespaCG/Game/EventKan{nnn}.jpg", "130", L::Notice, 620, 200, 0, 0, 1,
     "#DC6478 ねらい撃ち！/好きな盤の子を１匹選んで、１ダメージ"},
    {"Kespa_Data/KespaCG/Game/EventKan{nnn}.jpg", "131", L::Notice, 620, 200, 0, 0, 1,
     "#DC6478 ねらい撃ち！/好きな盤の子を１匹選んで、２ダメージ"},
    {"Kespa_Data/KespaCG/Game/EventKan{nnn}.jpg", "132", L::Notice, 620, 200, 0, 0, 1,
     "#DC6478 ねらい撃ち！/好きな盤の子を１匹選んで、３ダメージ"},
    {"Kespa_Data/KespaCG/Game/EventKan{nnn}.jpg", "140", L::Notice, 620, 200, 0, 0, 1,
     "#9664C8 一列攻撃！/縦か横の一列を選ぶと、/その列の盤の子すべてに１ダメージ"},
    {"Kespa_Data/KespaCG/Game/EventKan{nnn}.jpg", "141", L::Notice, 620, 200, 0, 0, 1,
     "#9664C8 一列攻撃！/縦か横の一列を選ぶと、/その列の盤の子すべてに２ダメージ"},
    {"Kespa_Data/KespaCG/Game/EventKan{nnn}.jpg", "150", L::Notice, 620, 140, 0, 0, 1,
     "#508C8C マスが変わる！/どこかのマスが、/別の種類のマスに変わる"},
    {"Kespa_Data/KespaCG/Game/EventKan{nnn}.jpg", "151", L::Notice, 620, 140, 0, 0, 1,
     "#508C8C マスが変わる！/どこかのマスが、/吉か幸のマスに変わる"},
    {"Kespa_Data/KespaCG/Game/EventKan{nnn}.jpg", "152", L::Notice, 620, 140, 0, 0, 1,
     "#508C8C マスが変わる！/どこかのマスが、/凶か狂のマスに変わる"},
    // Cell kinds of two digits name no three-digit banner: the bare name stands in.
    {"Kespa_Data/KespaCG/Game/EventKan.jpg", "", L::Notice, 620, 200, 0, 0, 1, "#508C8C ふしぎなマス！/何が起こるかな？"},
    // The strike prompts, 250 by 100: the target strike's, then the line strike's.
    {"Kespa_Data/KespaCG/Game/BatSelect_s250.jpg", "", L::Notice, 250, 200, 250, 100, 1,
     "#DC6478 ねらい撃ち/攻撃する盤の子を/クリック|#9664C8 一列攻撃/矢印をクリックして/列を選ぶ"},
    // Event pictures of the stories.
    {"Kespa_Data/KespaCG/Event/リゼッタ00e.jpg", "", L::Scene, 920, 690, 0, 0, 1, "リゼッタ"},
    {"Kespa_Data/KespaCG/Event/リゼッタ01e.jpg", "", L::Scene, 920, 690, 0, 0, 1, "リゼッタ"},
    {"Kespa_Data/KespaCG/Event/リゼッタ02f.jpg", "", L::Scene, 920, 690, 0, 0, 1, "リゼッタ"},
    {"Kespa_Data/KespaCG/Event/ミルカ00e.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ミルカ"},
    {"Kespa_Data/KespaCG/Event/ミルカ01e.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ミルカ"},
    {"Kespa_Data/KespaCG/Event/ミルカ02m.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ミルカ"},
    {"Kespa_Data/KespaCG/Event/ミルカ03f.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ミルカ"},
    {"Kespa_Data/KespaCG/Event/ソラナ00.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ソラナ"},
    {"Kespa_Data/KespaCG/Event/ソラナ01.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ソラナ"},
    {"Kespa_Data/KespaCG/Event/ソラナ02.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ソラナ"},
    {"Kespa_Data/KespaCG/Event/ソラナ09a.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ソラナ"},
    {"Kespa_Data/KespaCG/Event/ネフィ00g.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ネフィ"},
    {"Kespa_Data/KespaCG/Event/ネフィ01.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ネフィ"},
    {"Kespa_Data/KespaCG/Event/ネフィ02m2.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ネフィ"},
    {"Kespa_Data/KespaCG/Event/ネフィ09a.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ネフィ"},
    {"Kespa_Data/KespaCG/Event/ふたり00.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ふたり"},
    {"Kespa_Data/KespaCG/Event/ふたり01.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ふたり"},
    {"Kespa_Data/KespaCG/Event/ふたり02m.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ふたり"},
    {"Kespa_Data/KespaCG/Event/ソラナ03a8m.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ソラナ"},
    {"Kespa_Data/KespaCG/Event/ソラナ03b8m.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ソラナ"},
    {"Kespa_Data/KespaCG/Event/ソラナ04a8m.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ソラナ"},
    {"Kespa_Data/KespaCG/Event/ソラナ04b8m.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ソラナ"},
    {"Kespa_Data/KespaCG/Event/ネフィ03a8m.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ネフィ"},
    {"Kespa_Data/KespaCG/Event/ネフィ03b8m.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ネフィ"},
    {"Kespa_Data/KespaCG/Event/ネフィ04a8m.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ネフィ"},
    {"Kespa_Data/KespaCG/Event/ネフィ04b8m.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ネフィ"},
    {"Kespa_Data/KespaCG/Event/ソラナOmake920.jpg", "", L::Scene, 920, 690, 0, 0, 1, "ソラナ"},

    // Sounds: "Kespa_Data/KespaSnd/".
    // Conversation sounds.
    {"Kespa_Data/KespaSnd/Inter/t07_Buwa2.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Fu40_Pu_Timer.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Sc30_Sha.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Fu41_Pu_Choku.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Fu42_Pu_224.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Fu43_Pu_252.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Fu44_Pu_149.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Fu54_Pokun.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Fu55_Po.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Mi131_Ques.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Mi132_!Red.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Mi133_!Yellow.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Sc200_Doshu.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Sc202_Dozaa.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Sc210_Ankoku.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Sc211_Dooon2.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/Inter/Sc212_teren.wav", "", L::Effect},
    // Title and board-game sounds.
    {"Kespa_Data/KespaSnd/t01_Seisaku_Doon.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/t02_Seisaku_Sha.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/t03_Logo_Pi.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/t05_Buwa.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/t06_Kespa_Fi.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/t07_Buwa2.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/t08_Pou.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/t10_Hutari_Sha.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/t15_ButMove_Pi.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/t16_ButClick_Poi.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/t20_Kan_Poi.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/t21_Kettei.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/t22_Syouten_Pyu.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/t23_Kakudai_Bou.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/t30_ALLClear_DrumRoll.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/t31_ALLClear_Jaaan.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G050_Kan_Buwa1.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G051_Kan_Buwa2.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G055_Teki_Pi.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G056_Hoi.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G057_GO_Hohoi.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G059_Teki_Dobu.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G060_Hoi2.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G065_Item_Pi_s.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G066_Item_Byo.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G071_Eve_kiti.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G072_Eve_Kyou.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G073_Eve_Item.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G075_Eve_Gyaku.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G076_Eve_Renzoku.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G077_Eve_Warp.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G078_Eve_TimeStop_Kon.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G079_Eve_AttUp_Bouunn.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G080_Warp_Been.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G081_Warp_Peen.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G082_Warp_Hou.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G085_Mes_Sha1.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G086_Mes_Sha2.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G087_Mes_Bugubugu.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G088_Mes_Busyuu.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G091_Eve_Huuin_Bomn.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G090_Eve_Huuin_Bomn_s.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G092_Eve_Buun.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G093_Eve_Pata.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G094_Eve_Peen.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G100_Yaji_Pipi.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G105_Att_Domuu.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G106_Att_Juba.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G107_Pi84.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G108_Mini_Piron.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G109_Mini_Dobusyu.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G110_Teki_Puyoyo.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G111_Teki_Powa.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G115_Teki_Bujuju.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G117_Teki_Po.wav", "", L::Effect},
    {"Kespa_Data/KespaSnd/G130_Kan_Buwa3.wav", "", L::Effect},

    // ---- Skelvane title: "Tanselr_Data/TanselrCG/Title/SkTitle_*" by picture kind ----
    // Kind 1: sheet 0, seven 16 by 16 icons.
    {"Tanselr_Data/TanselrCG/Title/SkTitle_Icons.BMP", "", L::Icons, 112, 16, 16, 16, 1, "SKELVAN"},
    // Kind 10: two 800 by 140 strips, one above the other.
    {"Tanselr_Data/TanselrCG/Title/SkTitle_Strips.BMP", "", L::Sheet, 800, 280, 800, 140, 1,
     "白砂市救助隊|星を還す者たち"},
    // Kind 11: rises until its bottom meets the window's.
    {"Tanselr_Data/TanselrCG/Title/SkTitle_Rise.BMP", "", L::Scene, 400, 300, 0, 0, 1, "救助艇ツバメ"},
    // Kind 12: flies up to 100 above the window and settles as the background.
    {"Tanselr_Data/TanselrCG/Title/SkTitle_Sky.BMP", "", L::Scene, 920, 790, 0, 0, 1, "白砂市の空"},
    // Kind 13: the band at y 32.
    {"Tanselr_Data/TanselrCG/Title/SkTitle_Band.BMP", "", L::Panel, 920, 60, 0, 0, 1, "スケルヴェイン基地"},
    // Kind 14: six 50 by 50 cells.
    {"Tanselr_Data/TanselrCG/Title/SkTitle_Cells.BMP", "", L::Icons, 300, 50, 50, 50, 1, "ツバメ隊出動"},
    // Kind 15: slides inside the 89-pixel black band.
    {"Tanselr_Data/TanselrCG/Title/SkTitle_Slide.BMP", "", L::Panel, 400, 89, 0, 0, 1, "星を還す者たち"},
    // Kind 16: assembled from ten 4-pixel slices.
    {"Tanselr_Data/TanselrCG/Title/SkTitle_Logo.BMP", "", L::Panel, 606, 40, 0, 0, 1, "― Skelvane ―"},
    // Kind 17: the finished title picture.
    {"Tanselr_Data/TanselrCG/Title/SkTitle_Back.BMP", "", L::Title, 920, 690, 0, 0, 1, "Skelvane"},
    // Kind 18: copied row by row onto the window's bottom left.
    {"Tanselr_Data/TanselrCG/Title/SkTitle_Emblem.BMP", "", L::Panel, 220, 274, 0, 0, 1, "隊章"},
    // Kinds 20 to 23: the menu's four pictures, behind its buttons.
    {"Tanselr_Data/TanselrCG/Title/SkTitle_Menu0.BMP", "", L::Scene, 400, 100, 0, 0, 1, "格納庫"},
    {"Tanselr_Data/TanselrCG/Title/SkTitle_Menu1.BMP", "", L::Scene, 400, 100, 0, 0, 1, "管制室"},
    {"Tanselr_Data/TanselrCG/Title/SkTitle_Menu2.BMP", "", L::Scene, 400, 100, 0, 0, 1, "滑走路"},
    {"Tanselr_Data/TanselrCG/Title/SkTitle_Menu3.BMP", "", L::Scene, 400, 100, 0, 0, 1, "白砂市"},
    // ---- Marbrook title and menus ----
    // The title's second background slides in over the top of the first.
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "11", L::Scene, 920, 340, 0, 0, 1, "タイトル背景"},
    // The band's caption, the subtitle cut in strips, the two pieces of the last slide.
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "13", L::Sheet, 520, 89, 520, 89, 1, "マーブルックの物語"},
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "14", L::Sheet, 606, 40, 606, 40, 1, "― The Marbrook Chronicle ―"},
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "17", L::Sheet, 560, 64, 560, 64, 1, "― 物語のはじまり ―"},
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "18", L::Icons, 64, 64, 64, 64, 1, "★"},
    // The back button of the sub-menus and grid menus.
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "36", L::Sheet, 120, 50, 120, 50, 1, "もどる"},
    // The menus' backdrop; the grid menus' panels, each named in the band above its
    // cells (which start at y 120); the new-story screen.
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "21", L::Title, 920, 690, 0, 0, 1, ""},
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "40", L::Heads, 920, 690, 0, 0, 1,
     "チャプター　遊びたい章を選んでください@40,30,840,64"},
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "41", L::Heads, 920, 690, 0, 0, 1,
     "ギャラリー　見たい絵を選んでください@40,30,840,64"},
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "42", L::Heads, 920, 690, 0, 0, 1,
     "シーン選択　もう一度見たい場面を選んでください@40,30,840,64"},
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "90", L::Scene, 920, 690, 0, 0, 1, "物語のはじまり"},
    // The chapter menu's source: 128 by 96 cells, five normal then five highlighted;
    // each cell a small copy of the title of the contest it starts, or of the opening
    // picture of the chapter, and its name.
    {"Tanselr_Data/TanselrCG/Title/T00_{nn}.JPG", "70", L::Thumbs, 1280, 480, 128, 96, 2,
     "Tanselr_Data/TanselrCG/G01/G1_Title1.JPG:じゃんけん　ミナ|Tanselr_Data/TanselrCG/Event/Event01-00.JPG:第二章　灯籠の夜|Tanselr_Data/TanselrCG/G02/G2_Title01.JPG:人生すごろく|"
     "Tanselr_Data/TanselrCG/ETC/Back02.JPG:第三章　大通り|Tanselr_Data/TanselrCG/G01/G1_Title2.JPG:じゃんけん　リコ|Tanselr_Data/TanselrCG/Event/Event05-00.JPG:第四章　ことり堂|"
     "Tanselr_Data/TanselrCG/G03/G3_Title00.JPG:さいころ競走|Tanselr_Data/TanselrCG/ETC/Back02.JPG:第五章　並んだ星|Tanselr_Data/TanselrCG/G01/G1_Title3.JPG:じゃんけん　ソラ|"
     "Tanselr_Data/TanselrCG/Event/Event11-00.JPG:第六章　屋台通り|Tanselr_Data/TanselrCG/G05/BO_Title.JPG:絵合わせ|Tanselr_Data/TanselrCG/Event/Event20-00.JPG:第七章　古い地図|"
     "Tanselr_Data/TanselrCG/G09/ADV_Title.JPG:文字の冒険|Tanselr_Data/TanselrCG/Event/Event24-00.JPG:第八章　開いた木箱|Tanselr_Data/TanselrCG/G06/G6_Title01.JPG:遊技場|"
     "Tanselr_Data/TanselrCG/Event/Event30-00.JPG:第九章　冒険劇|Tanselr_Data/TanselrCG/G07/RPG_Parts09.JPG:小さな冒険|Tanselr_Data/TanselrCG/Event/Event34-00.JPG:第十章　最後の日|"
     "Tanselr_Data/TanselrCG/G08/ADV2_CG_080.JPG:謎の部屋|Tanselr_Data/TanselrCG/Event/Event40-00.JPG:最終章　閉会式|Tanselr_Data/TanselrCG/Z_face/ZFace_A01.JPG:終幕　時計塔の上|"
     "Tanselr_Data/TanselrCG/Title/Sys_39.JPG:魔王との決闘"},

    // ---- Marbrook extras area ----
    // Scene replay (kind 1500): the menu's title, panel, corner figure and heroine
    // buttons, the button sheet (back, next, previous), the viewer's opening picture.
    {"Tanselr_Data/TanselrCG/EroMachi/EroMachi_{nn}.JPG", "0", L::Title, 600, 110, 0, 0, 1, "シーン回想"},
    {"Tanselr_Data/TanselrCG/EroMachi/EroMachi_{nn}.JPG", "1", L::Panel, 640, 60, 0, 0, 1, "思い出を見たい人を選んでください"},
    {"Tanselr_Data/TanselrCG/EroMachi/EroMachi_{nn}.JPG", "2", L::Face, 150, 210, 0, 0, 1, "案内役"},
    {"Tanselr_Data/TanselrCG/EroMachi/EroMachi_{nn}.JPG", "5", L::Sheet, 180, 45, 60, 45, 1, "もどる|次へ|前へ"},
    {"Tanselr_Data/TanselrCG/EroMachi/EroMachi_{nn}.JPG", "6", L::Title, 640, 360, 0, 0, 1, "思い出の扉"},
    {"Tanselr_Data/TanselrCG/EroMachi/EroMachi_{nn}.JPG", "10", L::Face, 220, 200, 0, 0, 1, "アンナ（ことり堂）"},
    {"Tanselr_Data/TanselrCG/EroMachi/EroMachi_{nn}.JPG", "11", L::Face, 220, 200, 0, 0, 1, "クロエ（配達係）"},
    // Page pictures: scenes 1 to 5 fill the left half beside the text column, 6 and 7
    // the whole window above the text strip (6 a little taller, shown 25 higher).
    {"Tanselr_Data/TanselrCG/EroMachi/EroMachi_{nn}.JPG", "51-55,61-65", L::Scene, 460, 690, 0, 0, 1, "回想"},
    {"Tanselr_Data/TanselrCG/EroMachi/EroMachi_{nn}.JPG", "56,66", L::Scene, 920, 740, 0, 0, 1, "回想"},
    {"Tanselr_Data/TanselrCG/EroMachi/EroMachi_{nn}.JPG", "57,67", L::Scene, 920, 690, 0, 0, 1, "回想"},
    // The heroines' voices of the scene replay.
    {"Tanselr_Data/TanselrSnd/TanselrVoice/Voice_{n}.MP3", "4000-4035,4100-4139", L::Voice},
    // Bonus pictures: the frame behind the picture.
    {"Tanselr_Data/TanselrCG/G08/ADV2_CG_{nnn}.JPG", "81", L::Panel, 880, 430, 0, 0, 1, ""},
    {"Kespa_Data/KespaSnd/om-2.MP3", "", L::Music},  // the board game's music
};

}  // namespace

std::span<const AssetRow> AssetTable() { return kAssets; }

std::vector<int> ParseNumbers(const char* list) {
  std::vector<int> out;
  if (list == nullptr || *list == '\0') return {0};
  const char* p = list;
  while (*p != '\0') {
    char* end = nullptr;
    const long first = std::strtol(p, &end, 10);
    long last = first;
    p = end;
    if (*p == '-') last = std::strtol(p + 1, &end, 10), p = end;
    for (long n = first; n <= last; ++n) out.push_back(static_cast<int>(n));
    if (*p == ',') ++p;
    else if (*p != '\0') break;  // a malformed list stops at the fault
  }
  return out;
}

std::string BuildAssetPath(const char* pattern, int number) {
  std::string out = pattern;
  struct Token {
    const char* text;
    const char* format;
    int offset;
  };
  constexpr Token kTokens[] = {{"{nnn}", "%03d", 0}, {"{nn}", "%02d", 0}, {"{n+3}", "%d", 3}, {"{n}", "%d", 0}};
  for (const Token& t : kTokens) {
    const size_t at = out.find(t.text);
    if (at == std::string::npos) continue;
    char digits[16];
    std::snprintf(digits, sizeof digits, t.format, number + t.offset);
    out.replace(at, std::char_traits<char>::length(t.text), digits);
  }
  return out;
}

std::vector<AssetFile> ExpandAssets() { return ExpandAssets(kAssets); }

std::vector<AssetFile> ExpandAssets(std::span<const AssetRow> table) {
  std::vector<AssetFile> files;
  for (const AssetRow& row : table) {
    for (int n : ParseNumbers(row.numbers)) files.push_back({BuildAssetPath(row.path, n), &row, n});
  }
  return files;
}

}  // namespace assets
