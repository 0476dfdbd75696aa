// The room adventure beyond the torii: the desert, rooms 40 to 54 (the town, the
// ruins, the oasis and its king, the riddling monster, the great temple and its
// spaceship), and space, rooms 60 to 66 (the station, the colony, the asteroids,
// the planet that becomes a black hole, and the ending). Room numbers between hold
// no rooms and answer nothing.
#include <span>

#include "marbrook/minigames/room_adventure.h"

namespace {

int& Flag(int room) { return RoomAdventureState.RoomFlags[static_cast<size_t>(room)]; }
int& Item(int i) { return RoomAdventureState.ItemFlags[static_cast<size_t>(i)]; }
void Say(const char* text, int code = 0) { G06_AddMessage(code, text); }

constexpr const char* kDesertSand = "あたり一面砂漠です。細かい砂が飛んできます。";
constexpr const char* kRuins = "遺跡が砂に埋もれています。はるか昔の遺跡のようです。";
constexpr const char* kDesertSpreads = "砂漠が広がっています。";

// Colony progress, RoomFlags(62).
enum : int { kColonyGone = 5, kBlackHole = 6 };

// A room of plain exits with one examine text, one talk text list (may be empty) and
// one arrival text after the prefix.
struct PlainRoom {
  int room;
  int north, east, south, west;  // -1 no exit
  const char* examine;
  const char* arrival;
  const char* talk = nullptr;
  const char* talk2 = nullptr;
};
constexpr PlainRoom kPlainRooms[] = {
    {41, 44, 42, -1, -1, "人のまばらな町です。", "町があります。",
     "町の人に話しかけました。：「この町には滅多に人が訪れるものではない。この地でめぼしい場所と言えば、東の方角にあるオアシスと、北の方角にある大神殿くらいのものだ」"},
    {42, 45, 43, -1, 41, kDesertSand, kDesertSpreads},
    {43, 46, -1, 40, 42, kRuins, "遺跡があります。遺跡の影で、交易商が休息しています。",
     "商人に話しかけました。：「ここは大昔、非常に栄えた都だったらしい。だが、いまは砂に埋もれたただの廃墟だ。あまり商売にはならない土地だな」"},
    {44, 47, 45, 41, -1, "研究者は砂地を丹念に調べています。", "砂漠が広がっています。研究者がいます。",
     "研究者に話しかけました。：「私はこの地で失われた都の研究を行っている者だ。だが、なかなか大きな発見には至らない」",
     "「ここから北に行ったところにある大神殿に何かがあると思うのだが、魔物が邪魔して通れないのだよ」"},
    {45, 48, 46, 42, 44, kRuins, "遺跡があります。"},
    {46, 49, 50, 43, 45, "東の方角に、オアシスがあるのが見えます。", kDesertSpreads},
    {49, -1, -1, 46, 48, "切り立った崖があたりを囲んでいます。", "渓谷に来ました。"},
    {50, -1, 51, -1, 46, "水が潤沢にわき出ています。", "オアシスです。"},
    {61, 60, -1, 62, -1, "我々の母星がずいぶん小さく見えます。", "月の裏側です。"},
};

bool Plain(const PlainRoom& r, int c) {
  const int exits[4] = {r.north, r.east, r.south, r.west};
  if (c >= kG06North && c <= kG06West) {
    if (exits[c] < 0) return false;
    G06_MoveTo(exits[c]);
    return true;
  }
  switch (c) {
    case kG06Examine: Say(r.examine); return true;
    case kG06Talk:
      if (r.talk == nullptr) return false;
      Say(r.talk);
      if (r.talk2 != nullptr) Say(r.talk2);
      return true;
    case kG06Arrive: G06_Arrive(r.arrival); return true;
    default: return false;
  }
}

bool DesertEdge(int c) {
  switch (c) {
    case kG06North: G06_MoveTo(43); return true;
    case kG06South: Say("鳥居はもう見あたりません。：南に戻ることはできません。"); return true;
    case kG06Examine: Say(kDesertSand); return true;
    case kG06Arrive:
      if (Flag(40) == 1) {
        G06_Arrive("道が続いています。");
        return true;
      }
      Say("鳥居を抜け、異境の地へたどり着きました。：砂漠が広がっています。");
      Flag(40) = 1;
      return true;
    default: return false;
  }
}

bool RiddleMonster(int c) {
  switch (c) {
    case kG06North:
      if (Flag(47) == 1) G06_MoveTo(52);
      else Say("魔物が邪魔をして北には進めません。");
      return true;
    case kG06East: G06_MoveTo(48); return true;
    case kG06South: G06_MoveTo(44); return true;
    case kG06Examine: Say("巨大な魔物が北へ行く道をふさいでいます。"); return true;
    case kG06Talk:
      if (Flag(51) != 1) {
        Say("「お前は魔物でもあるようだが、人間でもあるようだ。人間を通すわけにはいかん」");
      } else if (Flag(47) == 0) {
        Say("「ふむ、あの王がお前を信用し、その身を葬らせたというのか。どうやらお前は特殊な存在であるようだ」");
        Say("「ではひとつ、問いをしよう。これに答えることが出来たら、ここを通してやろう」");
        Say("「最初は３つ。大きくなったら２つ。最後は１つ。これはなんのことだ？」");
        Say("「そうだ、それは人間のことだ。人間は最後は必ずひとりで死ぬのだ……。よかろう、ここを通るが良い」");
        Flag(47) = 1;
      } else {
        Say("「好きに通るが良い」");
      }
      return true;
    case kG06Arrive: G06_Arrive("魔物がいます。"); return true;
    default: return false;
  }
}

bool PlateDesert(int c) {
  switch (c) {
    case kG06East: G06_MoveTo(49); return true;
    case kG06South: G06_MoveTo(45); return true;
    case kG06West: G06_MoveTo(47); return true;
    case kG06Examine: Say(kDesertSand); return true;
    case kG06Arrive:
      if (Item(4) == 1) {
        G06_Arrive(kDesertSpreads);
        return true;
      }
      Say("砂の中に、小さな薄い板が埋もれているのを見つけました。気になったので、持ってゆくことにしました。");
      Say("小さな板を手に入れました。", 34);
      Item(4) = 1;
      return true;
    default: return false;
  }
}

bool Palace(int c) {
  const bool buried = Flag(51) == 1;
  switch (c) {
    case kG06West: G06_MoveTo(50); return true;
    case kG06Examine: Say(buried ? "墓の下に、王の遺骸が眠っているはずです。" : "宮殿には、人の気配がほとんどありません。"); return true;
    case kG06Talk:
      if (buried) return false;
      Say("宮殿には年老いた王がひとりで住んでいました。：「私は人間だが、人間が嫌いだ。人間は決して信用ができない」");
      Say("「どうやらお前は人間でもあるようだが、魔物でもあるようだ。つまりどちらでもないのだ。そういうやつなら信用できる気がする」");
      Say("「実はわしは、こうして寿命をまっとうしようというこのときになって、死が怖くなったのだ」");
      Say("「わしが死んだら、どうか墓を作って葬ってほしい。そのときには、わしの財産はすべてお前にくれてやろう。どうか頼みを聞いてくれ」");
      Say("まもなくして、王は亡くなりました。");
      Say("あなたは王の墓を作り、王の遺骸を葬ってやりました。：財産はほとんど何も残っていませんでした。", 11);
      Flag(51) = 1;
      return true;
    case kG06Arrive: G06_Arrive(buried ? "王の墓が立っています。" : "宮殿があります。"); return true;
    default: return false;
  }
}

bool Temple(int c) {
  const bool open = Flag(52) == 1;
  switch (c) {
    case kG06North:
      if (open) G06_MoveTo(53);
      else Say("大神殿の入口は固く閉ざされていて、中には入れません。");
      return true;
    case kG06South: G06_MoveTo(47); return true;
    case kG06Examine:
      Say(open ? "大神殿の入口はすでに開かれています。" : "大神殿の入口は固く閉ざされています。力ずくでは開きそうにもありません。");
      return true;
    case kG06Use:
      if (open || Item(4) != 1) return false;
      Say("砂漠で拾った小さな板は、大神殿に入るためのキーカードでした。キーカードを使って大神殿の入口を開けました。");
      Flag(52) = 1;
      return true;
    case kG06Arrive: G06_Arrive("大神殿があります。"); return true;
    default: return false;
  }
}

bool Computer(int c) {
  switch (c) {
    case kG06North:
      if (Flag(53) == 1) G06_MoveTo(54);
      else Say("進めるのかどうかよくわかりません。");
      return true;
    case kG06South: G06_MoveTo(52); return true;
    case kG06Examine: Say("巨大なコンピューターです。：似たような機械があちこちにひしめいています。"); return true;
    case kG06Talk:
      if (Flag(53) == 0) {
        Say("話しかけると、どこからか声が聞こえてきます。：「かつて、この地で魔物は生み出された……。我々人間と魔物が共存する時代があった……」");
        Say("「しかし、我々は、魔物を恐れた……。これ以上繁殖させないために、魔物に呪いをかけたのだ……。そして、多くの魔物を、空に封じ込めた……」");
        Say("「魔物の驚異は去ったが……我々は、人間同士で争いを繰り返し、そして都市は崩壊した……。空に封じ込められた魔物たちは、いまでも誰かの助けを待っている……」");
        Flag(53) = 1;
      }
      Say("「彼らに会いたければ、奥に進むがいい……」");
      return true;
    case kG06Arrive: G06_Arrive("大神殿の中です。巨大なコンピューターがあります。"); return true;
    default: return false;
  }
}

bool Spaceship(int c) {
  switch (c) {
    case kG06South: G06_MoveTo(53); return true;
    case kG06Examine: Say("魔物観光ツアー用スペースシップと書いてあります。：このスペースシップはまだ動くようです。"); return true;
    case kG06Use:
      Say("スペースシップに乗り込みました。：宇宙空間に向けて発進です。");
      Say("すさまじい速度で上空へあがってゆきます。", 12);
      Say("宇宙に出ました。宇宙ステーションの前です。", 13);
      RoomAdventureState.Room = 60;  // no move: the arrival is told above
      return true;
    case kG06Arrive: G06_Arrive("スペースシップがあります。"); return true;
    default: return false;
  }
}

bool Station(int c) {
  switch (c) {
    case kG06South: G06_MoveTo(61); return true;
    case kG06Examine:
      Say("宇宙ステーションは母星のまわりをまわっているようです。あちこちが破損しており、中はすでに無人のようです。");
      return true;
    case kG06Use:
      if (Flag(62) == 0) {
        Say("キーカードを使って中に入り込みました。：長い間使用されておらず、中は廃墟のようになっています。");
      } else if (Flag(62) == 1) {
        Say("カードを使って宇宙ステーションの中に入り込みました。：宇宙ステーションから発せられている、魔物たちの繁殖力に悪影響を与える怪電波の発信を停止させました。");
        Flag(62) = 2;
      } else {
        Say("もう宇宙ステーションには用はありません。");
      }
      return true;
    case kG06Arrive: G06_Arrive("我々の住んでいた母星が見えます。：宇宙ステーションの前です。"); return true;
    default: return false;
  }
}

bool Colony(int c) {
  switch (c) {
    case kG06North: G06_MoveTo(61); return true;
    case kG06East: G06_MoveTo(63); return true;
    case kG06South: G06_MoveTo(64); return true;
    case kG06Examine:
      Say(Flag(62) == kColonyGone ? "すでにスペースコロニーは地球に帰還しています。"
                                  : "スペースコロニーはまだ稼働しているようです。：コロニー内に生命体反応があります。");
      return true;
    case kG06Talk:
      switch (Flag(62)) {
        case 0:
          Say("どうやらこのスペースコロニーの中で生活しているのは、魔物たちだけのようです。");
          Say("魔物たちとコンタクトをとることに成功しました。：「おお、我らの故郷から宇宙船がやってくるとは、いったいどれだけぶりのことだろう」");
          Say("「我々魔物は、あの星で、人間たちによって生み出された。しかし、いつしか人間たちは我々のちからを恐れるようになった」");
          Say("「我々のような、特にちからのある魔物はこのコロニーの中に閉じこめられた。我々はこの劣悪な環境で、コロニーとともに朽ち果ててゆくのを待つしかないのだ」");
          Say("「このコロニーの中ではある特殊な怪電波が放たれていて、それを受けていると我々は繁殖することができないのだ。それを止めると、このコロニーそのものも止まってしまう」");
          Say("「その呪いは、母星にも放たれている。星のまわりをまわっている宇宙ステーションから、星全体に放たれているのだ」");
          Say("「我々には宇宙ステーションまで行くすべがない。そして、宇宙ステーションの内部に進入するすべも持たない」");
          Say("「我々には、どうすることも出来ないのだ……」");
          Flag(62) = 1;
          return true;
        case 1: Say("「我々には、どうすることも出来ないのだ……」"); return true;
        case 2:
          Say("「おお、なんと。母星に放たれているあの怪電波を止めてくれたというのか。これで母星に住む魔物たちは繁栄を取り戻すことができる」");
          Say("「我々が母星に帰ることが叶えば、我々も繁殖することが可能だろう。だが、それは無理なのだ。このコロニーにはエンジンが備えられているが、もはや燃料がないのだ」");
          Say("「スペースシップ程度では、我々を移送することは不可能だろう。我々はやはり、ここで暮らすしかない。だが、我が同胞たちが繁栄を取り戻せると知り、満足だ……」");
          Flag(62) = 3;
          return true;
        case 3: Say("「燃料がなければ、母星には帰れないのだ……」"); return true;
        case 4:
          Say("「おお、その資源があれば、コロニーを動かすことができる。それだけあれば、あの星に戻ることは叶うだろう」");
          Say("「ありがとう、本当にありがとう」：やがて、コロニーは地球へと帰ってゆきました。", 14);
          Flag(62) = kColonyGone;
          return true;
        case kColonyGone: return false;
        default: return true;  // the black hole: nobody is left to answer
      }
    case kG06Arrive: G06_Arrive("スペースコロニーがあります。"); return true;
    default: return false;
  }
}

bool Asteroids(int c) {
  switch (c) {
    case kG06West: G06_MoveTo(62); return true;
    case kG06Examine:
      if (Flag(62) != 3) {
        Say("無数の小惑星があります。");
        return true;
      }
      Say("小惑星を探索し、コロニーのエンジンを稼働させる燃料となる資源を発見しました。");
      Say("燃料資源を手に入れました。", 35);
      Flag(62) = 4;
      Item(5) = 1;
      return true;
    case kG06Arrive: G06_Arrive("小惑星があります。"); return true;
    default: return false;
  }
}

bool OpenSpace(int c) {
  switch (c) {
    case kG06North: G06_MoveTo(62); return true;
    case kG06South: G06_MoveTo(65); return true;
    case kG06Arrive:
      if (Flag(64) == 1) {
        G06_Arrive("宇宙空間です。");
        return true;
      }
      G06_Arrive("宇宙空間です。：また過去に何度かあった、正体不明の激痛が起こりました。");
      Say("が、船内にあの謎の旅人がくれたものと同じ水があったため、それを飲んでしのぐことができました。");
      Flag(64) = 1;
      return true;
    default: return false;
  }
}

struct CodedLine {
  const char* text;
  int code;
};

// The planet's voice, the explosion, and the player's human half.
constexpr CodedLine kPlanetSequence[] = {
    {"どこからか声がします。", 0},
    {"「めぐまれた惑星より生まれ出た生命体よ……」", 0},
    {"「お前たちが宇宙に出るのは、これで三度目となる……。一度はこの星系よりも外にその文明を広げ……そしてその文明により自ら滅びた……」", 0},
    {"「二度目には、再びこの惑星にたどりつくまでに文明を発展させながら、やはり自らの戦争によって、その文明を滅ぼした……」", 0},
    {"「我々は知っている……お前たちは危険な種族だ……この宇宙を滅ぼしかねない種族だ……」", 0},
    {"「もし三たび、宇宙へと足を伸ばしてくるようなことがあれば……この宇宙から、お前たちという驚異を取り除かなければならない……お前たちは滅びなければならない……」", 0},
    {"「そのためのシステムが、この私だ……。これより、ブラックホールを発生させ……お前たちの文明を、消去する……」", 0},
    {"「タダチニ……ショウキョ、スル……」", 0},
    {"突如、惑星が爆発を起こしました。", 15},
    {"爆発が、巨大な渦を巻き起こし、あらゆるものを吸い込み始めました。", 16},
    {"とてつもなく大きなエネルギーが生まれています。", 0},
    {"惑星は完全に消滅し、ブラックホールが出現しました。", 17},
    {"とても危険な状態です。このままでは、この星系に存在するあらゆる星々がブラックホールに吸い込まれ、消滅してしまいます。", 0},
    {"それを回避する方法はひとつしかありません。", 0},
    {"ブラックホールの中心に入り込み、そこでさらに超爆発を起こし、新たなブラックホールを生み出して、お互いを消失させるのです。", 0},
    {"このスペースシップは、小型ブラックホール回路エンジンを搭載しています。これをホールの中心で切り離すのです。", 0},
    {"なぜそのようなことを知っているかと言えば、このスペースシップは私が作ったものだからです。", 0},
    {"あなたに語りかけているこの私は、あなたの人間部分の意志です……。", 0},
    {"私は遠い昔、事故によって肉体の大部分を失いました。それを補うために、魔物のあなたの体を利用したのです。", 0},
    {"人間の肉体への魔物の移植手術が行われました。手術は成功したはずでした……が、私は目覚めなかった。", 0},
    {"私とあなたは冷凍保存され、そこから長い長い眠りについたのです。", 0},
    {"しかし、いつしかコールドスリープ装置は、その機能に支障をきたすようになっていました。故障してしまったのです。", 0},
    {"そのときになって、初めて我々は目覚めたのです。長い眠りについているうちに、肉体が融合していたのでしょう。", 0},
    {"ですがこの体は、私の意志では動くことはありませんでした。この体は、移植したあなたの意志によって動かされていました。", 0},
    {"そうして私とあなたのふたり旅が始まりました。私は初めはあなたを憎んでいた、しかしいつしかそれにも疲れてしまった……。", 0},
    {"私は自己主張をやめました。漠然と状況を眺めるだけの存在となり果てました。", 0},
    {"私はすべての行動をあなたにゆだね……そうして、この瞬間に居合わせることとなったのです。", 0},
    {"思えば、私は……そしてあなたは、このために存在していたのかもしれません。この危機を乗り越えるために……。", 0},
    {"さあ、ブラックホールの中心へと向かいましょう。：あのブラックホールを止めるのです……！", 0},
};
static_assert(std::size(kPlanetSequence) == 29);

// The ending, closed by code 90, which starts the ending picture.
constexpr CodedLine kEndingSequence[] = {
    {"ブラックホールの中心に入り込みました。：いまです。このタイミングです。", 18},
    {"あなたはエンジンを切り離し、爆破させました。", 0},
    {"はじかれるような衝撃を受けました。それと同時にどこかに吸い寄せられるような感覚をもおぼえました。", 22},
    {"真っ暗な視界が、光に包まれ……。", 19},
    {"あなたは消滅しました。", 18},
    {"……。", 0},
    {"いや、消滅してはいないようです。あなたは、まだ生きているようです。", 0},
    {"光があります。：あなたの母星が視界のなかに入ってきました。", 20},
    {"あなたは帰ってきたのです。", 0},
    {"ところが……宇宙時刻を確認すると、あなたがブラックホールに投入した時間よりも、いくらか遡っていることに気付きました。", 0},
    {"どうやら、ブラックホールの中での時空の乱れにより、いくぶん時間を逆流してしまったようです。", 0},
    {"スペースシップは予備の小エンジンにて航行していましたが、母星の重力に捕らわれ、墜落していきます。", 0},
    {"そこで、あなたはふと悟りました。", 0},
    {"これまで、あなたを何度か助けてくれた、あの謎の旅人……あれは未来のあなた自身だったのです。", 0},
    {"あなたはこれから、なんとかして母星に不時着し、過去のあなたを助けなくてはなりません。", 0},
    {"その後、あなたはこの惑星において、神となり、スペースコロニーを天界へと作り変え、その天界を治める主となることでしょう。", 0},
    {"そして、人類の最後を見届けることにも……。", 0},
    {"ですが、それはまたべつのお話。", 0},
    {"なんにせよ、あなたの見事な活躍により、この星系、母星に住む人々、そして魔物たちは救われました。", 21},
    {"ひとまずは、これで……。", 0},
    {"めでたしめでたし、です。", 0},
    {"", 90},
};
static_assert(std::size(kEndingSequence) == 22);

void SayAll(std::span<const CodedLine> lines) {
  for (const CodedLine& line : lines) Say(line.text, line.code);
}

bool Planet(int c) {
  switch (c) {
    case kG06North: G06_MoveTo(64); return true;
    case kG06Examine: Say("この惑星は無人のようです。：母星の数十倍の質量があります。"); return true;
    case kG06Talk:
      if (Flag(62) != kColonyGone) return false;
      SayAll(kPlanetSequence);
      RoomAdventureState.Room = 66;  // no move: the black hole is here
      Flag(62) = kBlackHole;
      return true;
    case kG06Arrive: G06_Arrive("惑星があります。"); return true;
    default: return false;
  }
}

bool BlackHole(int c) {
  switch (c) {
    case kG06North: SayAll(kEndingSequence); return true;
    case kG06East:
    case kG06South:
    case kG06West: Say("もう逃げる道はありません。"); return true;
    case kG06Examine:
    case kG06Talk:
    case kG06Use: Say("いまはそれどころではありません。"); return true;
    case kG06Arrive: G06_Arrive("ブラックホールがあります。"); return true;
    default: return false;
  }
}

bool Answer(int room, int c) {
  for (const PlainRoom& r : kPlainRooms) {
    if (r.room == room) return Plain(r, c);
  }
  switch (room) {
    case 40: return DesertEdge(c);
    case 47: return RiddleMonster(c);
    case 48: return PlateDesert(c);
    case 51: return Palace(c);
    case 52: return Temple(c);
    case 53: return Computer(c);
    case 54: return Spaceship(c);
    case 60: return Station(c);
    case 62: return Colony(c);
    case 63: return Asteroids(c);
    case 64: return OpenSpace(c);
    case 65: return Planet(c);
    case 66: return BlackHole(c);
    default: return true;  // no room here: nothing to say
  }
}

}  // namespace

void G06_RoomsDesert() {
  if (!Answer(RoomAdventureState.Room, RoomAdventureState.G06Command)) G06_CannotReply();
}

void G06_RoomsSpace() {
  if (!Answer(RoomAdventureState.Room, RoomAdventureState.G06Command)) G06_CannotReply();
}
