// The room adventure's first land, rooms 0 to 31: the cell, the village, the forest
// and the cave, the fields and the town under the giant monster's mountain, and the
// torii that leads on to the desert. Each room answers G06Command; a command it has
// no row for gets G06_CannotReply.
#include "marbrook/minigames/room_adventure.h"

namespace {

int& Flag(int room) { return RoomAdventureState.RoomFlags[static_cast<size_t>(room)]; }
int& Item(int i) { return RoomAdventureState.ItemFlags[static_cast<size_t>(i)]; }
void Say(const char* text, int code = 0) { G06_AddMessage(code, text); }

constexpr int kMonsterDead = 10;  // RoomFlags(28)
constexpr int kTownThanked = 5;   // RoomFlags(23)

bool CellCorner(int c) {
  switch (c) {
    case kG06East: G06_MoveTo(1); return true;
    case kG06Examine: Say("あなたが閉じこめられている部屋の隅です。"); return true;
    case kG06Arrive: G06_Arrive("部屋の隅です。"); return true;
    default: return false;
  }
}

bool CellDoor(int c) {
  const bool open = Flag(1) == 1;
  switch (c) {
    case kG06North:
      if (!open) return false;
      G06_MoveTo(3);
      return true;
    case kG06East: G06_MoveTo(2); return true;
    case kG06West: G06_MoveTo(0); return true;
    case kG06Examine: Say(open ? "ここから通路に出られるようです。" : "扉には鍵がかかっています。"); return true;
    case kG06Use:
      if (Item(0) != 1 || open) return false;
      Say("鍵を使って扉を開けました。");
      Flag(1) = 1;
      RoomAdventureState.RoomPicture = 90;
      return true;
    case kG06Arrive: G06_Arrive(open ? "扉はすでに開いています。" : "扉があります。"); return true;
    default: return false;
  }
}

bool WindowCorner(int c) {
  switch (c) {
    case kG06West: G06_MoveTo(1); return true;
    case kG06Examine:
      if (Item(0) == 1) {
        Say("窓の向こうにはすでに誰もいません。");
        return true;
      }
      Say("窓から鍵が投げ込まれました。");
      Say("窓の向こうから声がします。：「その鍵を使って脱出するがいい」");
      Say("鍵を手に入れました。", 30);
      Item(0) = 1;
      return true;
    case kG06Talk:
      Say(Item(0) == 1 ? "窓から鍵をくれた相手に話しかけましたが、何も返事がありません。" : "とくに必要性を感じません。");
      return true;
    case kG06Arrive: G06_Arrive("部屋の隅です。窓があります。"); return true;
    default: return false;
  }
}

bool Passage(int c) {
  switch (c) {
    case kG06North: G06_MoveTo(4); return true;
    case kG06South: G06_MoveTo(1); return true;
    case kG06Examine: Say("通路は外へと続いているようです。"); return true;
    case kG06Arrive:
      if (Flag(3) == 1) {
        G06_Arrive("通路です。");
        return true;
      }
      Say("北に移動しました。：通路に出ました。：通路の奥に男がいます。男はあなたを見て驚いています。");
      Say("「うわあ、牢に閉じこめておいた化け物が脱走した！　たすけてくれえ！」：男は逃げていってしまいました。");
      Flag(3) = 1;
      return true;
    default: return false;
  }
}

bool Wood(int c) {
  switch (c) {
    case kG06East: G06_MoveTo(5); return true;
    case kG06South: G06_MoveTo(3); return true;
    case kG06West: G06_MoveTo(6); return true;
    case kG06Examine: Say("道は東の方角へのびています。西にも進めそうです。"); return true;
    case kG06Arrive: G06_Arrive("林の中です。"); return true;
    default: return false;
  }
}

bool Village(int c) {
  const bool disguised = Item(1) == 1;
  switch (c) {
    case kG06North: G06_MoveTo(7); return true;
    case kG06West: G06_MoveTo(4); return true;
    case kG06East:
      if (disguised) G06_MoveTo(12);
      else Say("村人が道をふさいでいて東に進めません。");
      return true;
    case kG06Examine:
      Say(disguised ? "普通の人間の格好をして、顔を隠しているので、村人にはあなただと気づく者はいないようです。"
                    : "この村を東に抜けることができそうですが、村人が石を投げてくるため、通れそうにもありません。");
      return true;
    case kG06Talk:
      Say(disguised ? "「あんたは旅の人かい？　いまこの辺にはドラゴンを倒したような化け物がウロついているんだ。気をつけたほうがいい」"
                    : "話しかけようとしましたが、石をぶつけられました。");
      return true;
    case kG06Arrive:
      if (disguised) {
        G06_Arrive("村があります。");
        return true;
      }
      G06_Arrive("村があります。村人があなたを見て騒いでいます。");
      if (Flag(5) == 0) {
        Say("「大変だ！　ドラゴンを倒したあの化け物が牢から出てきたぞ！　みんな来てくれ！」：村人がたくさん集まってきました。");
        Say("「化け物は村に近づくな！　出て行け！」：石をぶつけられました。");
        Flag(5) = 1;
      }
      return true;
    default: return false;
  }
}

// A room with plain exits, one examine text and one arrival text after the prefix.
struct SimpleRoom {
  int room;
  int north, east, south, west;  // -1 no exit
  const char* examine;
  const char* arrival;
};
constexpr SimpleRoom kSimpleRooms[] = {
    {6, -1, 4, -1, -1, "まるでここに隕石でも落ちたかのような跡です。", "何かの跡があります。"},
    {7, 8, -1, 5, -1, "これくらいの流れなら、泳いで北に渡れそうです。", "川があります。"},
    {8, 9, -1, 7, -1, "とても寂れた家です。", "家があります。"},
    {9, -1, 10, 8, -1, "何かの気配があります。", "家の中です。"},
    {17, 20, -1, 16, -1, "洞窟は長く深く続いています。：何か異質な感覚があります。", "洞窟の奥です。"},
    {29, -1, 28, -1, 30, "足下に注意していれば、西に渡れそうです。", "山の谷間です。"},
};

// The same with the arrival text alone, without the direction line.
constexpr SimpleRoom kPlainRooms[] = {
    {21, 22, -1, 20, -1, "よく耕された田畑です。：人里が近いようです。", "田畑が広がっています。"},
    {25, 26, -1, 23, -1, "５階立てのとても高い塔です。", "塔があります。"},
    {27, -1, 24, -1, 28, "橋を渡ると、道は西の山へと続いています。", "川があります。"},
};

bool Simple(const SimpleRoom& r, int c, bool plain) {
  const int exits[4] = {r.north, r.east, r.south, r.west};
  if (c >= kG06North && c <= kG06West) {
    if (exits[c] < 0) return false;
    G06_MoveTo(exits[c]);
    return true;
  }
  if (c == kG06Examine) {
    Say(r.examine);
    return true;
  }
  if (c == kG06Arrive) {
    if (plain) Say(r.arrival);
    else G06_Arrive(r.arrival);
    return true;
  }
  return false;
}

bool YoungDragon(int c) {
  switch (c) {
    case kG06East: G06_MoveTo(11); return true;
    case kG06West: G06_MoveTo(9); return true;
    case kG06Examine: Say("どうやらまだ幼いドラゴンのようです。"); return true;
    case kG06Talk:
      if (Item(1) == 1) {
        Say("「魔物であり、人間である者よ。魔物たちを救ってくれ」");
        return true;
      }
      Say("「魔物の血を持つ人間よ。お前はわたしの母ドラゴンを殺した。だが、そのことを恨んではいない。すべてはあの村人たちに頼まれてやったことなのだからな」");
      Say("「その代わり、頼みがある。世の中にいる他の困っている魔物たちを救ってやってほしいのだ」");
      Say("「私は知っているのだ。お前はいずれ我々すべての魔物を救ってくれる存在だ」");
      Say("「しかしそのためには、その姿のままでは都合が悪かろう。どれ、この人間の衣装を持ってゆくがいい」");
      Say("旅人の衣装をもらいました。", 31);
      Item(1) = 1;
      return true;
    case kG06Arrive: G06_Arrive("ドラゴンがいます。"); return true;
    default: return false;
  }
}

bool Jar(int c) {
  switch (c) {
    case kG06West: G06_MoveTo(10); return true;
    case kG06Examine:
      Say(Item(1) == 1 ? "カメの中には、酒漬けにされた母ドラゴンの頭部が入っています。"
                       : "カメの中には、酒漬けにされたドラゴンの頭部が入っています。");
      return true;
    case kG06Arrive: G06_Arrive("大きなカメがあります。"); return true;
    default: return false;
  }
}

bool ForestRoad(int c) {
  switch (c) {
    case kG06North: G06_MoveTo(13); return true;
    case kG06East: G06_MoveTo(14); return true;
    case kG06West: Say("もう村の方へは戻らない方が良いでしょう。"); return true;
    case kG06Arrive:
      if (Flag(12) == 1) {
        G06_Arrive("森の道です。");
        return true;
      }
      G06_AddMessage(
          0, "フードを深くかぶり、顔を隠して村を通過しました。：" + RoomAdventureState.MovePrefix + "森の道です。");
      Flag(12) = 1;
      return true;
    default: return false;
  }
}

bool Spring(int c) {
  const bool fairy = Flag(13) >= 1;
  switch (c) {
    case kG06South: G06_MoveTo(12); return true;
    case kG06Examine: Say(fairy ? "妖精は光り輝いています。" : "何かの気配があります。"); return true;
    case kG06Arrive: G06_Arrive(fairy ? "泉に妖精がいます。" : "泉があります。"); return true;
    case kG06Talk:
      if (!fairy) {
        Say("「そんなに話をしたいのであれば、姿を見せましょう」：妖精が現れました。");
        Flag(13) = 1;
        RoomAdventureState.RoomPicture = 91;
        return true;
      }
      if (Flag(13) == 1) {
        Say("「あなたは私の友人の母ドラゴンを殺してしまいました。それは決して許されることではありません」");
        Say("「母ドラゴンは何も悪いことはしていないのに、その姿から人間に恐れられ、あなたは人間の言いなりとなって、彼女を殺してしまったのです」");
        Say("「ですが、母ドラゴンは生前にこう言っていました。私が殺されることで運命が切り開かれるのなら、私は喜んで犠牲になろう、と」");
        Say("「母ドラゴンは、あなたに何かを期待していたのです。それが何かはわかりません。ですが、もう二度と同じあやまちを繰り返さないでください」");
        Flag(13) = 2;
        return true;
      }
      if (Item(2) == 1) {
        Say("「光る布きれはお役に立ちましたか？」");
      } else if (Flag(16) == 1) {
        Say("「洞窟の中が暗くて見えないのですか？　では私のこの光る布きれを持ってゆくと良いでしょう」");
        Say("光る布きれをもらいました。", 32);
        Item(2) = 1;
      } else {
        Say("「どうか、もう二度と同じあやまちを繰り返さないでください」");
      }
      return true;
    default: return false;
  }
}

bool Grassland(int c) {
  switch (c) {
    case kG06East: G06_MoveTo(15); return true;
    case kG06West: G06_MoveTo(12); return true;
    case kG06Examine: Say("同じ草ばかりです。"); return true;
    case kG06Arrive:
      if (Flag(14) == 1) {
        G06_Arrive("草原が広がっています。");
        return true;
      }
      G06_Arrive("草原が広がっています。：あなたは急に激痛に襲われました。身体の中からこみ上げてくるような痛みです。");
      Say("あなたがうずくまっていると、旅人が歩み寄り話しかけてきました。：その声は、牢の窓から鍵を放ってくれた声と同じでした。");
      Say("「苦しいだろう。それはお前の人間であり魔物である部分が拒絶反応を起こしているのだ。この水を飲めば楽になる」：もらった水を飲むと痛みがおさまりました。");
      Say("「魔物を救うのだ。それにより、お前の道は開かれることだろう」：旅人は立ち去ってゆきました。");
      Flag(14) = 1;
      return true;
    default: return false;
  }
}

bool CaveWay(int c) {
  switch (c) {
    case kG06North: G06_MoveTo(16); return true;
    case kG06West: G06_MoveTo(14); return true;
    case kG06Examine:
      Say("洞窟の中には、何かいるようです。");
      Flag(15) = 1;
      RoomAdventureState.RoomPicture = 92;
      return true;
    case kG06Arrive: G06_Arrive("道は洞窟へと続いています。"); return true;
    default: return false;
  }
}

bool DarkCave(int c) {
  Flag(16) = 1;
  switch (c) {
    case kG06South: G06_MoveTo(15); return true;
    case kG06Examine: Say("何かの気配があります。"); return true;
    case kG06Talk: Say("暗くてよくわかりません。"); return true;
    case kG06Arrive: G06_Arrive("洞窟の中は真っ暗です。"); return true;
    default: return false;
  }
}

bool LitCave(int c) {
  switch (c) {
    case kG06North:
      if (Flag(16) != 4) return false;
      G06_MoveTo(17);
      return true;
    case kG06South: G06_MoveTo(15); return true;
    case kG06Examine: Say("危害を加える様子はないようです。"); return true;
    case kG06Arrive: G06_Arrive("光る布きれのおかげで中の様子がよく見えます。：巨大なウサギがいます。"); return true;
    case kG06Talk:
      switch (Flag(16)) {
        case 1:
          Say("「この洞窟を抜けると、別の地へゆくことができる。だが、おまえを通すわけにはいかん」");
          Say("「お前は人間の言いなりとなって、この地を治めていた母ドラゴンを殺してしまった。その代償は大きい」");
          Say("「代わりに人間を殺して、その首を持ってくるのだ。そうすれば、ここを通してやろう」");
          Flag(16) = 2;
          return true;
        case 2:
          Say("「どうした？　はやく人間を殺してくるのだ」");
          Flag(16) = 3;
          return true;
        case 3:
          Say("「そうか、どうしても人間を殺してくるつもりはないというのだな。わかった」");
          Say("「お前は頼まれれば誰でも殺してくるような殺戮者だと思っていたが、そうではないようだ」");
          Say("「母ドラゴンはお前のことを救いの主だと言っていた。その言葉を信じることにしよう。さあ、ここを通るがいい」");
          Flag(16) = 4;
          return true;
        case 4: Say("「さあ、この洞窟を抜けるがいい」"); return true;
        default: return false;
      }
    default: return false;
  }
}

bool OtherLand(int c) {
  switch (c) {
    case kG06North: G06_MoveTo(21); return true;
    case kG06South: Say("洞窟はもう見あたりません。：南に戻ることはできません。"); return true;
    case kG06Examine: Say("道はくねくねと曲がりながら、北へとのびています。"); return true;
    case kG06Arrive:
      if (Flag(20) == 1) {
        G06_Arrive("道が続いています。");
        return true;
      }
      Say("洞窟を抜け、異境の地へたどり着きました。：道が続いています。");
      Flag(20) = 1;
      return true;
    default: return false;
  }
}

bool Farmhouse(int c) {
  switch (c) {
    case kG06South: G06_MoveTo(21); return true;
    case kG06West: G06_MoveTo(23); return true;
    case kG06Examine: Say("農夫が農作業にいそしんでいます。"); return true;
    case kG06Talk:
      if (Flag(28) == kMonsterDead) {
        Say("「町の困っていた人たちを助けてくれたのですな。あなたは良い魔物です」");
      } else if (Flag(22) == 0) {
        Say("農夫に話しかけてみました。：「おお、よく見ればあなたは魔物ですな。いやいや、魔物だからと言って無闇に恐れたりはしませんよ」");
        Say("「魔物にも良い魔物と悪い魔物がいるのです。きっとあなたは良い魔物ですな。近くに町がありますが、町の人が困っていたら、ぜひ手助けしてやってください」");
        Flag(22) = 1;
      } else {
        Say("「町の人が困っていたら、ぜひ手助けしてやってください」");
      }
      return true;
    case kG06Arrive: Say("人家があります。"); return true;
    default: return false;
  }
}

bool Town(int c) {
  switch (c) {
    case kG06North: G06_MoveTo(25); return true;
    case kG06East: G06_MoveTo(22); return true;
    case kG06West: G06_MoveTo(24); return true;
    case kG06Examine:
      Say("それほど大きくはありませんが、村の数倍の規模はある町です。ただ、どことなく活気がないようにも見えます。");
      return true;
    case kG06Talk:
      if (Flag(28) == kMonsterDead) {
        if (Flag(23) == kTownThanked) {
          Say("「この町に来たときは、いつでも歓迎いたしますよ」");
          return true;
        }
        Say("「あの怖ろしい魔物を退治してくれたのですね。いつ魔物が襲ってくるかと気が気でならなかったのです。これで枕を高くして眠れます」");
        Say("「ささ、ご馳走を用意しました。どうかゆっくりとくつろいでいってください」：手厚い歓迎を受けました。");
        Flag(23) = kTownThanked;
        return true;
      }
      if (Flag(23) == 0) {
        Say("町の人に話しかけました。：「あなたは魔物でもある人なのですか。いや、体つきや身のこなしを見てわかりました。ただのお人ではない、と」");
        Say("「ここは以前はもっと活気のある町だったのですが、西の山に悪い魔物が住み着いて以来、旅人も寄りつかなくなり、客足も遠のいてしまったのです」");
        Say("「誰かがあの魔物を追い払ってくれればよいのですが、並の人間の手に負える相手ではありません。町の者はため息ばかりついております」");
        Say("「どうでしょう。もしあの悪い魔物を退治してくだされば、町をあげてお礼をいたします。あの魔物をあのまま放置しておいて良いはずがないのです」");
        Flag(23) = 1;
        return true;
      }
      Say("「あの悪い魔物を退治してくだされば、町をあげてお礼をいたしますよ」");
      return true;
    case kG06Arrive: Say("町があります。"); return true;
    default: return false;
  }
}

bool HillHouse(int c) {
  switch (c) {
    case kG06East: G06_MoveTo(23); return true;
    case kG06West: G06_MoveTo(27); return true;
    case kG06Examine: Say("丘の上に一軒家が建っています。中に人がいるようです。"); return true;
    case kG06Talk:
      Say(Flag(28) == kMonsterDead
              ? "「あの巨大な魔物は、時折大きな声で泣いていたんです。うるさくて眠れやしませんでした。これからはぐっすりと眠れます」"
              : "家の人に話しかけました。：「ここを西に行ったところに、巨大な魔物が住み着いてしまっているんだよ。怖ろしくてかなわない」");
      return true;
    case kG06Arrive: Say("人家があります。"); return true;
    default: return false;
  }
}

bool TowerInside(int c) {
  const bool dead = Flag(28) == kMonsterDead;
  const bool poison = Item(3) == 1;
  switch (c) {
    case kG06South: G06_MoveTo(25); return true;
    case kG06Examine:
      if (dead) Say("魔物の体からは何も感じられません。");
      else if (poison && Flag(28) == 2) Say("巨大な魔物です。");
      else Say("像からは特別なオーラが伝わってきます。");
      return true;
    case kG06Talk:
      if (dead) {
        Say("返事がありません。すでにこの魔物は息絶えているようです。床に空になった猛毒のビンが転がっています。");
        return true;
      }
      if (poison) {
        Say("「その毒を飲めば、どんな巨大な魔物も、ただちに息絶えるだろう……」");
        return true;
      }
      if (Flag(28) != 2) return false;
      Say("どうやら、これは仏像ではなく、巨大な魔物のようです。");
      Say("「いかにも、私は魔物だ。以前はここで、人間たちに優しい心を持ってくれるよう、説法を唱えていたのだが、もはや誰も耳を貸す者はいなくなってしまった」");
      Say("「いまはこうしてここでじっと眠っているだけだ。動き出すと、人間は私を恐れ、殺そうとしてくるのでな……」");
      Say("「ふむ。確かにあの魔物に、巨大化する薬を与えたのは私だ。どうしても強くなる薬が欲しいと請われたのでな。まさかあのようなことに使うとは……」");
      Say("「なんと、あの魔物が、今度は死にたいと言っているのか。確かに彼は大きな罪を犯した。それも良いかもしれぬ。どうせ生きていても、我々魔物は滅びゆく運命だ」");
      Say("「これを持ってゆくがよい。どんな巨大な魔物も、この毒を飲めば、ただちに息絶えるだろう……」");
      Say("猛毒のビンをもらいました。", 33);
      Item(3) = 1;
      return true;
    case kG06Arrive: Say("塔の中です。巨大な像があります。"); return true;
    default: return false;
  }
}

bool Mountain(int c) {
  const bool dead = Flag(28) == kMonsterDead;
  switch (c) {
    case kG06East: G06_MoveTo(27); return true;
    case kG06West:
      if (dead) G06_MoveTo(29);
      else Say("巨大な魔物が邪魔で進めません。");
      return true;
    case kG06Examine: Say(dead ? "もう魔物はいません。" : "森よりも大きな魔物です。"); return true;
    case kG06Talk:
      if (Flag(23) == 0) {
        Say("「私は悪い魔物だ……」");
        return true;
      }
      if (Flag(23) != 1) return true;  // the town has thanked the player: nobody answers
      switch (Flag(28)) {
        case 0:
          Say("「私を退治するよう、ふもとの町の人間に頼まれたというのか。そんなことだろうと思っていた」");
          Say("「ここには、以前には別の山村があったのだ。だが、そこに住む人々は悪い人たちだというので、町の人間に頼まれ、私がすべて食べてしまった」");
          Say("「ところが、その有り様をみるなり、町の人間たちは私を悪い魔物呼ばわりするようになり、私は山を下りられなくなったのだ」");
          Say("「私は間違っていた。人間の争いごとに魔物が関わるべきではなかったのだ」");
          Say("「お前に退治されるのはやぶさかではない。私はもう死にたいのだ。だが、お前には私は殺せないだろう……残念だ」");
          Flag(28) = 1;
          return true;
        case 1:
          Say("「わたしは、五重の塔に住む魔物にもらった薬によって、すでにこのような巨大な体になってしまった」");
          Say("「もはやわたしを殺す手段などあるまい。食べてしまった村人に死んでわびたいが、叶わぬ夢だ」");
          Flag(28) = 2;
          return true;
        case 2: Say("「食べてしまった村人に死んでわびたいが、叶わぬ夢だ」"); return true;
        default: return false;
      }
    case kG06Use:
      if (dead || Item(3) != 1) return false;
      Say("「おお、これを飲めば、私は死ぬことができるのか。ありがとう」");
      Say("巨大な魔物は、毒を飲み、息絶えました。", 10);
      Flag(28) = kMonsterDead;
      return true;
    case kG06Arrive: Say(dead ? "山の中です。さらに西へ進むことができそうです。" : "巨大な魔物がいます。"); return true;
    default: return false;
  }
}

bool Basin(int c) {
  switch (c) {
    case kG06North: G06_MoveTo(31); return true;
    case kG06East: G06_MoveTo(29); return true;
    case kG06Examine: Say("山の合間にある盆地です。：盆地は北に続いています。"); return true;
    case kG06Arrive:
      if (Flag(30) == 1) {
        G06_Arrive("盆地です。");
        return true;
      }
      G06_Arrive("盆地に出ました。：あなたは突然、いつかあったような激痛に襲われました。");
      Say("あなたがうずくまっていると、そこへまた、以前にあなたを助けてくれた旅人が現れました。");
      Say("「そういったことはたびたび起こる。この水を飲めば楽になるだろう」：もらった水を飲むと痛みがおさまりました。");
      Say("「ここより北にある鳥居をくぐると別の地へゆくことができる。お前の長い長い旅は、そこから始まるのだ……」：旅人は立ち去ってゆきました。");
      Flag(30) = 1;
      return true;
    default: return false;
  }
}

bool Torii(int c) {
  switch (c) {
    case kG06North: G06_MoveTo(40); return true;
    case kG06South: G06_MoveTo(30); return true;
    case kG06Examine: Say("空間を切り取って打ち立てられたかのような鳥居です。：異質なオーラがただよっています。"); return true;
    case kG06Arrive: G06_Arrive("鳥居があります。"); return true;
    default: return false;
  }
}

// Answers the command in `room`; false when the room has no row for it (or no such room).
bool Answer(int room, int c) {
  for (const SimpleRoom& r : kSimpleRooms) {
    if (r.room == room) return Simple(r, c, false);
  }
  for (const SimpleRoom& r : kPlainRooms) {
    if (r.room == room) return Simple(r, c, true);
  }
  switch (room) {
    case 0: return CellCorner(c);
    case 1: return CellDoor(c);
    case 2: return WindowCorner(c);
    case 3: return Passage(c);
    case 4: return Wood(c);
    case 5: return Village(c);
    case 10: return YoungDragon(c);
    case 11: return Jar(c);
    case 12: return ForestRoad(c);
    case 13: return Spring(c);
    case 14: return Grassland(c);
    case 15: return CaveWay(c);
    case 16: return Item(2) == 1 ? LitCave(c) : DarkCave(c);
    case 20: return OtherLand(c);
    case 22: return Farmhouse(c);
    case 23: return Town(c);
    case 24: return HillHouse(c);
    case 26: return TowerInside(c);
    case 28: return Mountain(c);
    case 30: return Basin(c);
    case 31: return Torii(c);
    default: return true;  // no room here: nothing to say
  }
}

}  // namespace

void G06_RoomsEarth() {
  const int room = RoomAdventureState.Room;
  if (room >= 40 && room <= 59) {
    G06_RoomsDesert();
    return;
  }
  if (room >= 60 && room <= 79) {
    G06_RoomsSpace();
    return;
  }
  if (!Answer(room, RoomAdventureState.G06Command)) G06_CannotReply();
}

int G06_RoomPictureOf(int room) {
  const RoomAdventureStateRecord& s = RoomAdventureState;
  const auto flag = [&s](int r) { return s.RoomFlags[static_cast<size_t>(r)]; };
  switch (room) {
    case 1: return flag(1) == 1 ? 90 : 1;
    case 13: return flag(13) >= 1 ? 91 : 13;
    case 15: return flag(15) == 1 ? 92 : 15;
    case 16: return s.ItemFlags[2] == 1 ? 93 : 16;
    case 28: return flag(28) == kMonsterDead ? 94 : 28;
    case 40: case 42: case 44: case 46: case 48: return 40;
    case 41: return 42;
    case 43: return 45;
    case 45: return 43;
    case 47: return 52;
    case 49: return 41;
    case 52: return 44;
    case 51: return flag(51) == 1 ? 95 : 51;
    case 62: return flag(62) > 4 ? 99 : 62;
    case 65: return flag(62) == 6 ? 98 : 65;
    case 66: return 98;
    default: return room;
  }
}
