<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CharacterLoader</name>
    <message>
        <source>The sprite workspace %1 cannot be read</source>
        <translation>スプライトの作業領域 %1 を読み込めません</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made for the sprites: %2</source>
        <translation>スプライト用のフォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>Status: Loading SFF file</source>
        <translation>状態: SFF ファイルを読み込み中</translation>
    </message>
    <message>
        <source>The spawn script cannot be written in %1.</source>
        <translation>%1 に起動スクリプトを書き込めません。</translation>
    </message>
    <message>
        <source>Unpacking the sprites</source>
        <translation>スプライトを展開中</translation>
    </message>
    <message>
        <source>The sprite file %1 was not unpacked: cancelled.</source>
        <translation>スプライトファイル %1 は展開されませんでした: キャンセルされました。</translation>
    </message>
    <message>
        <source>the sprite tool wrote no sprite index.</source>
        <translation>スプライトツールがスプライトインデックスを書き出しませんでした。</translation>
    </message>
    <message>
        <source>The sprite file %1 cannot be unpacked: %2</source>
        <translation>スプライトファイル %1 を展開できません: %2</translation>
    </message>
    <message>
        <source>The sprite file %1 cannot be unpacked</source>
        <translation>スプライトファイル %1 を展開できません</translation>
    </message>
    <message>
        <source>Status: Indexing images</source>
        <translation>状態: 画像のインデックスを作成中</translation>
    </message>
    <message>
        <source>Indexing images</source>
        <translation>画像のインデックスを作成中</translation>
    </message>
    <message>
        <source>%1: the first sprite&apos;s picture is missing.</source>
        <translation>%1: 最初のスプライトの画像がありません。</translation>
    </message>
    <message>
        <source>The sprite workspace in %1 cannot be replaced: %2</source>
        <translation>%1 のスプライト作業領域を置き換えられません: %2</translation>
    </message>
    <message>
        <source>A file referenced in the .DEF file does not exist?</source>
        <translation>.DEF ファイルで参照されているファイルが存在しない可能性があります。</translation>
    </message>
</context>
<context>
    <name>DocumentViews</name>
    <message>
        <source>%1 changed on disk since Vantrel read it.  Save your version over it?</source>
        <translation>%1 は Vantrel が読み込んだ後にディスク上で変更されています。こちらの内容で上書き保存しますか?</translation>
    </message>
    <message>
        <source>Discard your changes to %1?</source>
        <translation>%1 への変更を破棄しますか?</translation>
    </message>
</context>
<context>
    <name>FramePanel</name>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>Blend</source>
        <translation>ブレンド</translation>
    </message>
    <message>
        <source>Scale X</source>
        <translation>拡大率 X</translation>
    </message>
    <message>
        <source>Scale Y</source>
        <translation>拡大率 Y</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>%1 does not read</source>
        <translation>%1 を読み取れません</translation>
    </message>
    <message>
        <source>%1 is out of range</source>
        <translation>%1 が範囲外です</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>Vantrel could not finish that: %1. Your other work is unchanged.</source>
        <translation>Vantrel はその処理を完了できませんでした: %1。ほかの作業内容は変更されていません。</translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Problem with associated AIR file.</source>
        <translation>関連付けられた AIR ファイルに問題があります。</translation>
    </message>
    <message>
        <source>Can&apos;t divide by zero</source>
        <translation>0 で割ることはできません</translation>
    </message>
    <message>
        <source>This is not a valid 256-colour Jasc PAL file.  Please choose another.</source>
        <translation>有効な 256 色の Jasc PAL ファイルではありません。別のファイルを選んでください。</translation>
    </message>
    <message>
        <source>A sound bank holds at most 32767 samples.</source>
        <translation>サウンドバンクに入れられるサンプルは最大 32767 個です。</translation>
    </message>
    <message>
        <source>A sound bank must stay under 2 GB.</source>
        <translation>サウンドバンクは 2 GB 未満である必要があります。</translation>
    </message>
    <message>
        <source>Not a valid SND file!</source>
        <translation>有効な SND ファイルではありません!</translation>
    </message>
    <message>
        <source>No associated Sound file.
Please reference one in the DEF file, or create one now.</source>
        <translation>関連付けられたサウンドファイルがありません。
DEF ファイルで指定するか、今すぐ作成してください。</translation>
    </message>
    <message>
        <source>Not enough disk space. Free some space then retry.</source>
        <translation>ディスクの空き容量が足りません。空き容量を確保してから再試行してください。</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load that pcx file!</source>
        <translation>申し訳ありません。その PCX ファイルは読み込めません!</translation>
    </message>
    <message>
        <source>Sorry, can&apos;t load that png file!</source>
        <translation>申し訳ありません。その PNG ファイルは読み込めません!</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>変更あり</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>This is not a valid WAV file. Choose another file.</source>
        <translation>有効な WAV ファイルではありません。別のファイルを選んでください。</translation>
    </message>
    <message>
        <source>Samples written to disk</source>
        <translation>サンプルをディスクに書き出しました</translation>
    </message>
    <message>
        <source>You have unsaved changes. Do you want to save?</source>
        <translation>未保存の変更があります。保存しますか?</translation>
    </message>
    <message>
        <source>There is no Sound Card on this system.</source>
        <translation>このシステムにはサウンドカードがありません。</translation>
    </message>
    <message>
        <source>Please type a whole number from 0 to 2147483647.</source>
        <translation>0 から 2147483647 までの整数を入力してください。</translation>
    </message>
    <message>
        <source>The sound bank cannot take more samples: it holds at most 32767 and must stay under 2 GB.</source>
        <translation>サウンドバンクにこれ以上サンプルを追加できません: サンプルは最大 32767 個までで、サイズは 2 GB 未満である必要があります。</translation>
    </message>
    <message>
        <source>The sprites have changes that are not in an SFF file yet. Save them first?</source>
        <translation>スプライトには、まだ SFF ファイルに保存されていない変更があります。先に保存しますか?</translation>
    </message>
    <message>
        <source>The sprites are read when the character is opened: open it again to read the SFF anew.</source>
        <translation>スプライトはキャラクターを開くときに読み込まれます。SFF を読み込み直すには、キャラクターを開き直してください。</translation>
    </message>
    <message>
        <source>The SFF file is still being built.</source>
        <translation>SFF ファイルはまだ作成中です。</translation>
    </message>
    <message>
        <source>There are no sprites to build an SFF file from.</source>
        <translation>SFF ファイルを作成するためのスプライトがありません。</translation>
    </message>
    <message>
        <source>Too many images!</source>
        <translation>画像が多すぎます!</translation>
    </message>
    <message>
        <source>The sprite index is too large (more than 99,000 lines).</source>
        <translation>スプライトインデックスが大きすぎます (99,000 行を超えています)。</translation>
    </message>
    <message>
        <source>The sprite index is too large (more than 20,000 images).</source>
        <translation>スプライトインデックスが大きすぎます (画像が 20,000 枚を超えています)。</translation>
    </message>
    <message>
        <source>There is no place to open documents in.</source>
        <translation>ドキュメントを開く場所がありません。</translation>
    </message>
    <message>
        <source>Could not write the file: it has no name yet.</source>
        <translation>ファイルを書き込めませんでした: まだ名前がありません。</translation>
    </message>
    <message>
        <source>cannot read the character definition</source>
        <translation>キャラクター定義ファイルを読み込めません</translation>
    </message>
    <message>
        <source>ikemenversion %1 is not a version number (such as 0.99 or 1.0)</source>
        <translation>ikemenversion %1 はバージョン番号（0.99 や 1.0 など）ではありません</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 は存在しません</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>sprite %1 appears twice in %2</source>
        <translation>スプライト %1 が %2 に 2 つあります</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 を読み込めません</translation>
    </message>
    <message>
        <source>%1 is not a sound bank that can be read</source>
        <translation>%1 は読み込めるサウンドバンクではありません</translation>
    </message>
    <message>
        <source>sprite %1 is used by no action</source>
        <translation>スプライト %1 はどのアクションでも使われていません</translation>
    </message>
    <message>
        <source>the character is too large to check</source>
        <translation>キャラクターが大きすぎてチェックできません</translation>
    </message>
    <message>
        <source>cannot check: %1</source>
        <translation>チェックできません: %1</translation>
    </message>
    <message>
        <source>%1 is too large to read</source>
        <translation>%1 は大きすぎて読み込めません</translation>
    </message>
    <message>
        <source>action %1 is defined again (first at line %2)</source>
        <translation>アクション %1 が再定義されています（最初は %2 行目）</translation>
    </message>
    <message>
        <source>frame %1 of action %2 shows sprite %3, which %4 does not have</source>
        <translation>アクション %2 のフレーム %1 はスプライト %3 を表示しますが、%4 にはありません</translation>
    </message>
    <message>
        <source>%1 count says %2 but %3 box follows</source>
        <translation>%1 の数は %2 ですが、続く箱は %3 個です</translation>
    </message>
    <message>
        <source>%1 count says %2 but %3 boxes follow</source>
        <translation>%1 の数は %2 ですが、続く箱は %3 個です</translation>
    </message>
    <message>
        <source>%1 box under a %2 count line</source>
        <translation>%2 の数の行の下に %1 の箱があります</translation>
    </message>
    <message>
        <source>Loopstart is the last line of its action: no frame follows it</source>
        <translation>Loopstart がアクションの最後の行です: 後に続くフレームがありません</translation>
    </message>
    <message>
        <source>%1 is an %2 controller; this character is for %3</source>
        <translation>%1 は %2 のコントローラです。このキャラクターは %3 用です</translation>
    </message>
    <message>
        <source>%1 is a %2 controller; this character is for %3</source>
        <translation>%1 は %2 のコントローラです。このキャラクターは %3 用です</translation>
    </message>
    <message>
        <source>%1 is an %2 trigger; this character is for %3</source>
        <translation>%1 は %2 のトリガーです。このキャラクターは %3 用です</translation>
    </message>
    <message>
        <source>%1 is a %2 trigger; this character is for %3</source>
        <translation>%1 は %2 のトリガーです。このキャラクターは %3 用です</translation>
    </message>
    <message>
        <source>%1 is neither beside the character nor in the engine&apos;s data folder here; the engine&apos;s own common states are assumed</source>
        <translation>%1 はキャラクターのフォルダにもエンジンの data フォルダにもありません。エンジン標準のコモンステートがあるものとみなします</translation>
    </message>
    <message>
        <source>Statedef without a readable state number</source>
        <translation>Statedef のステート番号が読み取れません</translation>
    </message>
    <message>
        <source>Statedef %1 is defined again (first at %2)</source>
        <translation>Statedef %1 が再定義されています（最初は %2）</translation>
    </message>
    <message>
        <source>controller outside any Statedef</source>
        <translation>どの Statedef にも属さないコントローラです</translation>
    </message>
    <message>
        <source>%1 uses action %2, which %3 does not have</source>
        <translation>%1 はアクション %2 を使いますが、%3 にはありません</translation>
    </message>
    <message>
        <source>controller without a type</source>
        <translation>type のないコントローラです</translation>
    </message>
    <message>
        <source>unknown controller type %1</source>
        <translation>不明なコントローラの type %1</translation>
    </message>
    <message>
        <source>%1 without %2</source>
        <translation>%1 に %2 がありません</translation>
    </message>
    <message>
        <source>%1 without any of %2 or %3</source>
        <translation>%1 に %2、%3 のいずれもありません</translation>
    </message>
    <message>
        <source>%1 is not a parameter of %2</source>
        <translation>%1 は %2 のパラメータではありません</translation>
    </message>
    <message>
        <source>%1: did you mean %2?</source>
        <translation>%1: %2 のことですか？</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 の %1</translation>
    </message>
    <message>
        <source>%1 without a value</source>
        <translation>%1 に値がありません</translation>
    </message>
    <message>
        <source>%1 to state %2, which no state file defines</source>
        <translation>%1 がステート %2 へ移りますが、どのステートファイルにも定義されていません</translation>
    </message>
    <message>
        <source>%1 of %2 is empty</source>
        <translation>%2 の %1 が空です</translation>
    </message>
    <message>
        <source>%1 plays sound %2, which %3 does not have</source>
        <translation>%1 がサウンド %2 を鳴らしますが、%3 にはありません</translation>
    </message>
    <message>
        <source>controller without any trigger</source>
        <translation>トリガーのないコントローラです</translation>
    </message>
    <message>
        <source>controller without trigger1</source>
        <translation>trigger1 のないコントローラです</translation>
    </message>
    <message>
        <source>%1 is missing: the triggers after it are never read</source>
        <translation>%1 がありません: それ以降のトリガーは読まれません</translation>
    </message>
    <message>
        <source>unbalanced parentheses in %1</source>
        <translation>%1 の括弧の対応が取れていません</translation>
    </message>
    <message>
        <source>string without its closing quote in %1</source>
        <translation>%1 の文字列に閉じる引用符がありません</translation>
    </message>
    <message>
        <source>unknown trigger %1 in %2</source>
        <translation>%2 に不明なトリガー %1 があります</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 が空です</translation>
    </message>
    <message>
        <source>command %1 is not defined in %2</source>
        <translation>コマンド %1 は %2 に定義されていません</translation>
    </message>
    <message>
        <source>%1 is not state letters (S, C, A)</source>
        <translation>%1 はステートの文字（S、C、A）ではありません</translation>
    </message>
    <message>
        <source>%1 is not an attack attribute (N, S, H or A, then A, T or P)</source>
        <translation>%1 は攻撃属性（N、S、H、A のあとに A、T、P）ではありません</translation>
    </message>
    <message>
        <source>%1 is out of range: %2 goes from 0 to %3</source>
        <translation>%1 は範囲外です: %2 は 0 から %3 までです</translation>
    </message>
    <message>
        <source>%1 %2 is not one of %3</source>
        <translation>%1 %2 は %3 のいずれでもありません</translation>
    </message>
    <message>
        <source>%1 %2 %3: %4</source>
        <translation>%1 %2 %3: %4</translation>
    </message>
    <message>
        <source>%1 %2 holds %3, which the engine does not take</source>
        <translation>%1 %2 に、エンジンが受け付けない %3 が含まれています</translation>
    </message>
    <message>
        <source>postype %1 is not one of p1, p2, front, back, left, right</source>
        <translation>postype %1 は p1、p2、front、back、left、right のいずれでもありません</translation>
    </message>
    <message>
        <source>the condition of if</source>
        <translation>if の条件</translation>
    </message>
    <message>
        <source>the expression in %1 is too long to check its names</source>
        <translation>%1 の式は長すぎて名前をチェックできません</translation>
    </message>
    <message>
        <source>box line does not read as four numbers</source>
        <translation>箱の行が 4 つの数値として読み取れません</translation>
    </message>
    <message>
        <source>box number outside -32768 to 32767</source>
        <translation>箱の数値が -32768 から 32767 の範囲外です</translation>
    </message>
    <message>
        <source>box written with left after right or top below bottom</source>
        <translation>箱の左が右より後、または上が下より下に書かれています</translation>
    </message>
    <message>
        <source>box index not below the block&apos;s count</source>
        <translation>箱の番号がブロックの数以上です</translation>
    </message>
    <message>
        <source>box line without a count line above it</source>
        <translation>上に数の行がない箱の行です</translation>
    </message>
    <message>
        <source>box line of the other kind than its count line</source>
        <translation>数の行と種類の異なる箱の行です</translation>
    </message>
    <message>
        <source>box count is not a number</source>
        <translation>箱の数が数値ではありません</translation>
    </message>
    <message>
        <source>box count disagrees with the boxes that follow</source>
        <translation>箱の数が続く箱と一致しません</translation>
    </message>
    <message>
        <source>boxes that no frame of the action follows</source>
        <translation>アクションのどのフレームも後に続かない箱です</translation>
    </message>
    <message>
        <source>frame line does not read as group, image, x, y, time</source>
        <translation>フレームの行が group, image, x, y, time として読み取れません</translation>
    </message>
    <message>
        <source>line before the first action header</source>
        <translation>最初のアクション見出しより前の行です</translation>
    </message>
    <message>
        <source>action header without a readable number</source>
        <translation>アクション見出しの番号が読み取れません</translation>
    </message>
    <message>
        <source>Loopstart with no frame after it</source>
        <translation>後にフレームのない Loopstart です</translation>
    </message>
    <message>
        <source>line not understood</source>
        <translation>解釈できない行です</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>too many problems; those after this line are not listed</source>
        <translation>問題が多すぎます。この行以降の問題は一覧に含まれません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; without its opening bracket</source>
        <translation>&apos;%1&apos; に対応する開き括弧がありません</translation>
    </message>
    <message>
        <source>string without its closing quote</source>
        <translation>文字列に閉じる引用符がありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is never closed</source>
        <translation>&apos;%1&apos; が閉じられていません</translation>
    </message>
    <message>
        <source>%1 without its &apos;{&apos;</source>
        <translation>%1 に &apos;{&apos; がありません</translation>
    </message>
    <message>
        <source>state header without its closing &apos;]&apos;</source>
        <translation>ステート見出しに閉じる &apos;]&apos; がありません</translation>
    </message>
    <message>
        <source>function header without a name</source>
        <translation>関数見出しに名前がありません</translation>
    </message>
    <message>
        <source>unknown header [%1]: a state starts with [StateDef n; ...]</source>
        <translation>不明な見出し [%1]: ステートは [StateDef n; ...] で始まります</translation>
    </message>
    <message>
        <source>StateDef without a readable state number</source>
        <translation>StateDef のステート番号が読み取れません</translation>
    </message>
    <message>
        <source>state header part &quot;%1&quot; is not &quot;key: value&quot;</source>
        <translation>ステート見出しの部分 &quot;%1&quot; が &quot;key: value&quot; の形ではありません</translation>
    </message>
    <message>
        <source>&apos;{&apos; of %1 is never closed</source>
        <translation>%1 の &apos;{&apos; が閉じられていません</translation>
    </message>
    <message>
        <source>&apos;{&apos; inside the parameters of %1</source>
        <translation>%1 のパラメータの中に &apos;{&apos; があります</translation>
    </message>
    <message>
        <source>parameter of %1 without its &quot;name:&quot;</source>
        <translation>%1 のパラメータに &quot;name:&quot; がありません</translation>
    </message>
    <message>
        <source>code outside any [StateDef] or [Function]</source>
        <translation>どの [StateDef] にも [Function] にも属さないコードです</translation>
    </message>
    <message>
        <source>&apos;}&apos; without its &apos;{&apos;</source>
        <translation>&apos;{&apos; に対応しない &apos;}&apos; です</translation>
    </message>
    <message>
        <source>if without a condition</source>
        <translation>条件のない if です</translation>
    </message>
    <message>
        <source>else without its if</source>
        <translation>対応する if のない else です</translation>
    </message>
    <message>
        <source>%1 without &quot;name =&quot;</source>
        <translation>%1 に &quot;name =&quot; がありません</translation>
    </message>
    <message>
        <source>%1 without its &apos;:&apos;</source>
        <translation>%1 に &apos;:&apos; がありません</translation>
    </message>
    <message>
        <source>%1 outside a switch</source>
        <translation>switch の外の %1 です</translation>
    </message>
    <message>
        <source>call without &quot;Function(...)&quot;</source>
        <translation>&quot;Function(...)&quot; のない call です</translation>
    </message>
    <message>
        <source>unknown statement &quot;%1&quot;</source>
        <translation>不明な文 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file is too large to read</source>
        <translation>ファイルが大きすぎて読み込めません</translation>
    </message>
    <message>
        <source>Frame no:%1</source>
        <translation>フレーム番号:%1</translation>
    </message>
    <message>
        <source>Group:%1</source>
        <translation>グループ:%1</translation>
    </message>
    <message>
        <source>Image:%1</source>
        <translation>画像:%1</translation>
    </message>
    <message>
        <source>Duration:%1</source>
        <translation>時間:%1</translation>
    </message>
    <message>
        <source>The palette file %1 cannot be read.</source>
        <translation>パレットファイル %1 を読み込めません。</translation>
    </message>
    <message>
        <source>The palette file %1 holds only%2 bytes; a palette needs 768.</source>
        <translation>パレットファイル %1 は%2 バイトしかありません。パレットには 768 バイト必要です。</translation>
    </message>
    <message>
        <source>sound %1 of %2</source>
        <translation>サウンド %1（全 %2 個中）</translation>
    </message>
    <message>
        <source>the header&apos;s sound count, %1, is more than the %2 bytes after the header can hold</source>
        <translation>ヘッダーのサウンド数 %1 は、ヘッダー以降の %2 バイトに収まりきりません</translation>
    </message>
    <message>
        <source>truncated: the sub-header of %1 is at offset %2, the file ends at %3</source>
        <translation>途中で切れています: %1 のサブヘッダーはオフセット %2 にありますが、ファイルは %3 で終わっています</translation>
    </message>
    <message>
        <source>the sub-header of %1 at offset %2 has a value above 2147483647</source>
        <translation>オフセット %2 にある %1 のサブヘッダーに 2147483647 を超える値があります</translation>
    </message>
    <message>
        <source>truncated: the sub-header of %1 says %2 bytes of data at offset %3, the file ends at %4</source>
        <translation>途中で切れています: %1 のサブヘッダーはオフセット %3 に %2 バイトのデータがあるとしていますが、ファイルは %4 で終わっています</translation>
    </message>
    <message>
        <source>the data of %1 at offset %2 could not be read</source>
        <translation>オフセット %2 にある %1 のデータを読み込めませんでした</translation>
    </message>
    <message>
        <source>the WAV data of %1 at offset %2 is %3 bytes, too short to give its format</source>
        <translation>オフセット %2 にある %1 の WAV データは %3 バイトで、形式を読み取るには短すぎます</translation>
    </message>
    <message>
        <source>the WAV data of %1 at offset %2 gives a rate, channel count or sample size out of range</source>
        <translation>オフセット %2 にある %1 の WAV データのサンプリングレート、チャンネル数、サンプルサイズのいずれかが範囲外です</translation>
    </message>
    <message>
        <source>the next offset of %1 is %2, before the end of that sound at %3</source>
        <translation>%1 の次のオフセット %2 が、そのサウンドの終わり %3 より前です</translation>
    </message>
    <message>
        <source>truncated: the file is %1 bytes long, shorter than the %2-byte SND header</source>
        <translation>途中で切れています: ファイルは %1 バイトで、%2 バイトの SND ヘッダーより短いです</translation>
    </message>
    <message>
        <source>the header gives more than %1 sounds</source>
        <translation>ヘッダーのサウンド数が %1 個を超えています</translation>
    </message>
    <message>
        <source>the header&apos;s first offset is above 32767</source>
        <translation>ヘッダーの最初のオフセットが 32767 を超えています</translation>
    </message>
    <message>
        <source>the file could not be read</source>
        <translation>ファイルを読み込めませんでした</translation>
    </message>
    <message>
        <source>the file does not start with the SND signature &quot;ElecbyteSnd&quot;</source>
        <translation>ファイルが SND の署名 &quot;ElecbyteSnd&quot; で始まっていません</translation>
    </message>
    <message>
        <source>the file does not start with &quot;RIFF&quot; and the &quot;WAVEfmt&quot; header at byte 8</source>
        <translation>ファイルが &quot;RIFF&quot; で始まっておらず、8 バイト目に &quot;WAVEfmt&quot; ヘッダーがありません</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, too short to give its format (%2 bytes)</source>
        <translation>ファイルは %1 バイトで、形式を読み取るには短すぎます（%2 バイト必要）</translation>
    </message>
    <message>
        <source>its rate, channel count or sample size is out of range</source>
        <translation>サンプリングレート、チャンネル数、サンプルサイズのいずれかが範囲外です</translation>
    </message>
    <message>
        <source>the file cannot be opened: %1</source>
        <translation>ファイルを開けません: %1</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, shorter than the %2-byte PCX header</source>
        <translation>ファイルは %1 バイトで、%2 バイトの PCX ヘッダーより短いです</translation>
    </message>
    <message>
        <source>%1-bit PCX (only 8-bit pictures with a palette are read)</source>
        <translation>%1 ビットの PCX です（読み込めるのはパレット付きの 8 ビット画像だけです）</translation>
    </message>
    <message>
        <source>the header gives a picture of %1 x %2 pixels</source>
        <translation>ヘッダーの画像サイズが %1 x %2 ピクセルです</translation>
    </message>
    <message>
        <source>the header gives %1 bytes per line for a picture %2 pixels wide</source>
        <translation>幅 %2 ピクセルの画像に対して、ヘッダーの 1 行のバイト数が %1 です</translation>
    </message>
    <message>
        <source>the header promises %1 rows of %2 bytes, more than the %3 bytes of data after it can hold</source>
        <translation>ヘッダーは %2 バイトの行を %1 行としていますが、その後のデータ %3 バイトには収まりません</translation>
    </message>
    <message>
        <source>truncated: the picture data ends at offset %1 in row %2 of %3</source>
        <translation>途中で切れています: 画像データがオフセット %1 で終わっています（%3 行中 %2 行目）</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>line %1 ends with a line feed alone, without a carriage return</source>
        <translation>%1 行目が復帰文字なしの改行だけで終わっています</translation>
    </message>
    <message>
        <source>the file has %1 lines, fewer than the 259 of the header and 256 colours</source>
        <translation>ファイルは %1 行で、ヘッダーと 256 色の合計 259 行より少ないです</translation>
    </message>
    <message>
        <source>line %1 is %2, not %3</source>
        <translation>%1 行目が %3 ではなく %2 です</translation>
    </message>
    <message>
        <source>line %1, %2, is not three numbers from 0 to 255</source>
        <translation>%1 行目の %2 は 0 から 255 までの 3 つの数値ではありません</translation>
    </message>
    <message>
        <source>%1 is not a valid WAV file. Choose another file.</source>
        <translation>%1 は有効な WAV ファイルではありません。別のファイルを選んでください。</translation>
    </message>
    <message>
        <source>Successfully added

%1</source>
        <translation>追加しました

%1</translation>
    </message>
</context>
<context>
    <name>PaletteWindow</name>
    <message>
        <source>Character palette file (*.act)</source>
        <translation>キャラクターパレットファイル (*.act)</translation>
    </message>
    <message>
        <source>Jasc/PSP PAL file (*.pal)</source>
        <translation>Jasc/PSP PAL ファイル (*.pal)</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the file starts as a PNG, but its picture cannot be decoded</source>
        <translation>ファイルは PNG として始まっていますが、画像をデコードできません</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>QuickRun</name>
    <message>
        <source>The engine could not be started.</source>
        <translation>エンジンを起動できませんでした。</translation>
    </message>
    <message>
        <source>The engine stopped at once (it crashed).</source>
        <translation>エンジンがすぐに停止しました (クラッシュしました)。</translation>
    </message>
    <message>
        <source>The engine stopped at once with exit code %1.</source>
        <translation>エンジンが終了コード %1 ですぐに停止しました。</translation>
    </message>
    <message>
        <source>%1

The last lines of its log (%2):

%3</source>
        <translation>%1

ログの最後の行 (%2):

%3</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(空)</translation>
    </message>
    <message>
        <source>Save all changes before running?</source>
        <translation>実行前にすべての変更を保存しますか?</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>すべて保存</translation>
    </message>
    <message>
        <source>Run Without Saving</source>
        <translation>保存せずに実行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>%1

Open Settings to choose the engine?</source>
        <translation>%1

設定を開いてエンジンを選択しますか?</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>the unsaved sprite changes</source>
        <translation>未保存のスプライトの変更</translation>
    </message>
    <message>
        <source>the unsaved sprite changes of %1</source>
        <translation>%1 の未保存のスプライトの変更</translation>
    </message>
    <message>
        <source>the unsaved changes of %1 files</source>
        <translation>%1 個のファイルの未保存の変更</translation>
    </message>
    <message>
        <source>Vantrel did not close cleanly. Restore %1?

Yes restores it, No keeps it for the next start, Discard deletes it.</source>
        <translation>Vantrel は正常に終了しませんでした。%1を復元しますか?

「はい」で復元し、「いいえ」で次回の起動まで保持し、「破棄」で削除します。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1と%2</translation>
    </message>
    <message>
        <source>The unsaved changes of %1 files could not be put back. The copies stay in %2.</source>
        <translation>%1 個のファイルの未保存の変更を元に戻せませんでした。コピーは %2 に残っています。</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Default zoom: %1x</source>
        <translation>デフォルトのズーム: %1x</translation>
    </message>
</context>
<context>
    <name>SoundWindow</name>
    <message>
        <source>Delete Sound</source>
        <translation>サウンドの削除</translation>
    </message>
    <message>
        <source>Add Sounds</source>
        <translation>サウンドの追加</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>サウンドの追加</translation>
    </message>
    <message>
        <source>Group Number</source>
        <translation>グループ番号</translation>
    </message>
    <message>
        <source>Sample Number</source>
        <translation>サンプル番号</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>SND Mugen files (*.SND)</source>
        <translation>MUGEN SND ファイル (*.SND)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>WAV files (*.WAV)</source>
        <translation>WAV ファイル (*.WAV)</translation>
    </message>
</context>
<context>
    <name>SpriteCommands</name>
    <message>
        <source>Delete Sprite</source>
        <translation>スプライトの削除</translation>
    </message>
    <message>
        <source>Clone Sprite</source>
        <translation>スプライトの複製</translation>
    </message>
    <message>
        <source>Sort Sprites</source>
        <translation>スプライトの並べ替え</translation>
    </message>
</context>
<context>
    <name>TextDocument</name>
    <message>
        <source>Typing</source>
        <translation>入力</translation>
    </message>
</context>
<context>
    <name>TextEditorWindow</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>復帰</translation>
    </message>
    <message>
        <source>Revert to saved state</source>
        <translation>保存した状態に戻す</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Find text...</source>
        <translation>テキストを検索...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Character Definition File (DEF)</source>
        <translation>キャラクター定義ファイル (DEF)</translation>
    </message>
    <message>
        <source>Saves the .def file</source>
        <translation>.def ファイルを保存します</translation>
    </message>
    <message>
        <source>Saves the .air file</source>
        <translation>.air ファイルを保存します</translation>
    </message>
    <message>
        <source>Anim</source>
        <translation>アニメ</translation>
    </message>
    <message>
        <source>Character Animation Actions (AIR)</source>
        <translation>キャラクターのアニメーションアクション (AIR)</translation>
    </message>
    <message>
        <source>Commands (CMD)</source>
        <translation>コマンド (CMD)</translation>
    </message>
    <message>
        <source>Saves the .cmd file</source>
        <translation>.cmd ファイルを保存します</translation>
    </message>
    <message>
        <source>Constants (CNS)</source>
        <translation>定数 (CNS)</translation>
    </message>
    <message>
        <source>Saves the .cns file</source>
        <translation>.cns ファイルを保存します</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>メモ帳</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Saves the current .ST file</source>
        <translation>現在の .ST ファイルを保存します</translation>
    </message>
    <message>
        <source>Get help on programming States</source>
        <translation>ステートの記述方法のヘルプ</translation>
    </message>
    <message>
        <source>Open State file %1 from the .DEF file</source>
        <translation>.DEF ファイルのステートファイル %1 を開く</translation>
    </message>
    <message>
        <source>States (ST)</source>
        <translation>ステート (ST)</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open a Character Definition File (.def)</source>
        <translation>キャラクター定義ファイル (.def) を開く</translation>
    </message>
    <message>
        <source>Recycle</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Reload the DEF file so Vantrel will recognise recent changes</source>
        <translation>最近の変更を Vantrel に反映するため DEF ファイルを再読み込み</translation>
    </message>
    <message>
        <source>DEF</source>
        <translation>DEF</translation>
    </message>
    <message>
        <source>Edit the Definition file (.def)</source>
        <translation>定義ファイル (.def) を編集</translation>
    </message>
    <message>
        <source>SFF</source>
        <translation>SFF</translation>
    </message>
    <message>
        <source>Edit the Spritesheet File (.sff)</source>
        <translation>スプライトファイル (.sff) を編集</translation>
    </message>
    <message>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <source>Edit the Constants file (.cns)</source>
        <translation>定数ファイル (.cns) を編集</translation>
    </message>
    <message>
        <source>CMD</source>
        <translation>CMD</translation>
    </message>
    <message>
        <source>Edit the Commands file (.cmd)</source>
        <translation>コマンドファイル (.cmd) を編集</translation>
    </message>
    <message>
        <source>AIR</source>
        <translation>AIR</translation>
    </message>
    <message>
        <source>Edit the Animation file (.air)</source>
        <translation>アニメーションファイル (.air) を編集</translation>
    </message>
    <message>
        <source>SND</source>
        <translation>SND</translation>
    </message>
    <message>
        <source>Edit the Sound file (.snd)</source>
        <translation>サウンドファイル (.snd) を編集</translation>
    </message>
    <message>
        <source>ST</source>
        <translation>ST</translation>
    </message>
    <message>
        <source>Edit the States files (.st)</source>
        <translation>ステートファイル (.st) を編集</translation>
    </message>
    <message>
        <source>ACT</source>
        <translation>ACT</translation>
    </message>
    <message>
        <source>Edit the Palettes files (.act)</source>
        <translation>パレットファイル (.act) を編集</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>電卓</translation>
    </message>
    <message>
        <source>Miniature calculator</source>
        <translation>ミニ電卓</translation>
    </message>
    <message>
        <source>pad</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>メモ帳</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Quick-run this character</source>
        <translation>このキャラクターをすぐに実行</translation>
    </message>
</context>
<context>
    <name>WorkspaceFolders</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>No workspace folder can be made in %1.</source>
        <translation>%1 に作業フォルダーを作成できません。</translation>
    </message>
</context>
<context>
    <name>vantrel::ActionPanel</name>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>番号変更</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>From Sprites</source>
        <translation>スプライトから</translation>
    </message>
    <message>
        <source>New action from sprites</source>
        <translation>スプライトから新規アクション</translation>
    </message>
    <message>
        <source>Action number:</source>
        <translation>アクション番号:</translation>
    </message>
    <message>
        <source>Action %1 already exists.</source>
        <translation>アクション %1 は既に存在します。</translation>
    </message>
    <message>
        <source>New Action</source>
        <translation>新規アクション</translation>
    </message>
    <message>
        <source>Duplicate Action</source>
        <translation>アクションの複製</translation>
    </message>
    <message>
        <source>Renumber Action</source>
        <translation>アクション番号の変更</translation>
    </message>
    <message>
        <source>The header of this action cannot be renumbered.</source>
        <translation>このアクションのヘッダーは番号を変更できません。</translation>
    </message>
    <message>
        <source>Delete action %1 and all its frames?</source>
        <translation>アクション %1 とそのすべてのフレームを削除しますか?</translation>
    </message>
    <message>
        <source>Delete Action</source>
        <translation>アクションの削除</translation>
    </message>
    <message>
        <source>New Action from Sprites</source>
        <translation>スプライトから新規アクション</translation>
    </message>
    <message>
        <source>Sprites (group,first-last; ...):</source>
        <translation>スプライト (グループ,最初-最後; ...):</translation>
    </message>
</context>
<context>
    <name>vantrel::AirTextLink</name>
    <message>
        <source>The character&apos;s .def names no AIR file.</source>
        <translation>キャラクターの .def に AIR ファイルが指定されていません。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>vantrel::AnimationPreview</name>
    <message>
        <source>Animation Preview</source>
        <translation>アニメーションプレビュー</translation>
    </message>
    <message>
        <source>Animation Controls</source>
        <translation>アニメーション操作</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>ループ</translation>
    </message>
    <message>
        <source>Hide lines</source>
        <translation>線を隠す</translation>
    </message>
    <message>
        <source>Show boxes</source>
        <translation>当たり判定を表示</translation>
    </message>
    <message>
        <source>Action no:</source>
        <translation>アクション番号:</translation>
    </message>
    <message>
        <source>Animation Window</source>
        <translation>アニメーションウィンドウ</translation>
    </message>
    <message>
        <source>Zoom: 1x</source>
        <translation>ズーム: 1x</translation>
    </message>
    <message>
        <source>Zoom: %1x</source>
        <translation>ズーム: %1x</translation>
    </message>
    <message>
        <source>Something bad happened!  Err #%1</source>
        <translation>問題が発生しました!  エラー番号 #%1</translation>
    </message>
    <message>
        <source>Status: Finding Palette</source>
        <translation>状態: パレットを検索中</translation>
    </message>
    <message>
        <source>Status: OK</source>
        <translation>状態: OK</translation>
    </message>
</context>
<context>
    <name>vantrel::BoxCanvas</name>
    <message>
        <source>frame line not understood</source>
        <translation>フレーム行を解釈できません</translation>
    </message>
    <message>
        <source>sprite %1,%2 missing</source>
        <translation>スプライト %1,%2 がありません</translation>
    </message>
</context>
<context>
    <name>vantrel::BuildOptionsDialog</name>
    <message>
        <source>Save Parameters</source>
        <translation>保存の設定</translation>
    </message>
    <message>
        <source>Crop images to maximum needed</source>
        <translation>画像を必要な範囲に切り詰める</translation>
    </message>
    <message>
        <source>Remove duplicate images</source>
        <translation>重複した画像を削除</translation>
    </message>
    <message>
        <source>Remove duplicate palettes</source>
        <translation>重複したパレットを削除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The character&apos;s sprites were read from an SFF v%1. Write:</source>
        <translation>キャラクターのスプライトは SFF v%1 から読み込まれました。書き出す形式:</translation>
    </message>
    <message>
        <source>SFF v1 (WinMUGEN, MUGEN 1.0 and 1.1, IKEMEN GO)</source>
        <translation>SFF v1 (WinMUGEN、MUGEN 1.0 と 1.1、IKEMEN GO)</translation>
    </message>
    <message>
        <source>SFF v2.00 (MUGEN 1.0 and 1.1, IKEMEN GO)</source>
        <translation>SFF v2.00 (MUGEN 1.0 と 1.1、IKEMEN GO)</translation>
    </message>
    <message>
        <source>SFF v2.01 (MUGEN 1.1, IKEMEN GO)</source>
        <translation>SFF v2.01 (MUGEN 1.1, IKEMEN GO)</translation>
    </message>
    <message>
        <source>MUGEN 1.0 reads no 32-bit sprites: %1 sprites are 32-bit pictures, which only MUGEN 1.1 and IKEMEN GO draw.</source>
        <translation>MUGEN 1.0 は 32bit のスプライトを読み込めません: %1 個のスプライトが 32bit 画像です。これを表示できるのは MUGEN 1.1 と IKEMEN GO だけです。</translation>
    </message>
    <message>
        <source>SFF v1 has no palette table: each sprite keeps its colours, but the %1 palettes lose their numbers, and the %2 that no sprite uses are lost.</source>
        <translation>SFF v1 にはパレット表がありません。各スプライトの色は保たれますが、%1 個のパレットの番号は失われます。また、どのスプライトも使っていない %2 個のパレットは失われます。</translation>
    </message>
    <message>
        <source>SFF v1 has no palette table: each sprite keeps its colours, but the %1 palettes lose their numbers.</source>
        <translation>SFF v1 にはパレット表がありません。各スプライトの色は保たれますが、%1 個のパレットの番号は失われます。</translation>
    </message>
    <message>
        <source>SFF v1 holds 8-bit sprites only: %1 sprites are 32-bit pictures, and the build stops at the first of them.</source>
        <translation>SFF v1 は 8bit のスプライトしか保持できません: %1 個のスプライトが 32bit 画像のため、その最初のスプライトで作成が止まります。</translation>
    </message>
</context>
<context>
    <name>vantrel::CalculatorWindow</name>
    <message>
        <source>Calculator</source>
        <translation>電卓</translation>
    </message>
</context>
<context>
    <name>vantrel::ChangedOnDiskBar</name>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>自分の内容を残す</translation>
    </message>
    <message>
        <source>%1 changed on disk.</source>
        <translation>%1 がディスク上で変更されました。</translation>
    </message>
</context>
<context>
    <name>vantrel::ClipList</name>
    <message>
        <source>TextClips</source>
        <translation>クリップ</translation>
    </message>
    <message>
        <source>Too many textclips!
Truncated at 500...</source>
        <translation>テキストクリップが多すぎます!
500 個で打ち切りました...</translation>
    </message>
</context>
<context>
    <name>vantrel::CollisionBoxWindow</name>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Del All</source>
        <translation>全削除</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Export Action...</source>
        <translation>アクションのエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>Selected frame</source>
        <translation>選択中のフレーム</translation>
    </message>
    <message>
        <source>Action #</source>
        <translation>アクション #</translation>
    </message>
    <message>
        <source>Frame #</source>
        <translation>フレーム #</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>ループ</translation>
    </message>
    <message>
        <source>Collision box draw style</source>
        <translation>当たり判定の描画スタイル</translation>
    </message>
    <message>
        <source>CLSN1 (Attack area definition)</source>
        <translation>CLSN1 (攻撃判定の定義)</translation>
    </message>
    <message>
        <source>CLSN2 (Hittable area definition)</source>
        <translation>CLSN2 (食らい判定の定義)</translation>
    </message>
    <message>
        <source>Default for future frames</source>
        <translation>以降のフレームのデフォルト</translation>
    </message>
    <message>
        <source>Copy boxes of previous frame</source>
        <translation>前のフレームの当たり判定をコピー</translation>
    </message>
    <message>
        <source>Onion skin</source>
        <translation>オニオンスキン</translation>
    </message>
    <message>
        <source>Zoom: 1x</source>
        <translation>ズーム: 1x</translation>
    </message>
    <message>
        <source>Zoom: 2x</source>
        <translation>ズーム: 2x</translation>
    </message>
    <message>
        <source>Zoom: %1x</source>
        <translation>ズーム: %1x</translation>
    </message>
    <message>
        <source>1 frame</source>
        <translation>1 フレーム</translation>
    </message>
    <message>
        <source>%1 frames</source>
        <translation>%1 フレーム</translation>
    </message>
    <message>
        <source>Export Action</source>
        <translation>アクションのエクスポート</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>アニメーション GIF (*.gif)</translation>
    </message>
    <message>
        <source>Sprite sheet (*.png)</source>
        <translation>スプライトシート (*.png)</translation>
    </message>
    <message>
        <source>the frame&apos;s offset does not read, so it is not moved.</source>
        <translation>フレームのオフセットを読み取れないため、移動しません。</translation>
    </message>
    <message>
        <source>Move Sprite</source>
        <translation>スプライトの移動</translation>
    </message>
    <message>
        <source>Not changed: %1</source>
        <translation>変更されていません: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>警告: %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>the AIR file could not be read.</source>
        <translation>AIR ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Change Box</source>
        <translation>当たり判定の変更</translation>
    </message>
    <message>
        <source>Add Box</source>
        <translation>当たり判定の追加</translation>
    </message>
    <message>
        <source>a box is four whole numbers from -32768 to 32767: left, top, right, bottom.</source>
        <translation>当たり判定は -32768 から 32767 までの 4 つの整数 (左、上、右、下) です。</translation>
    </message>
    <message>
        <source>Delete Box</source>
        <translation>当たり判定の削除</translation>
    </message>
    <message>
        <source>Delete All Boxes</source>
        <translation>すべての当たり判定の削除</translation>
    </message>
    <message>
        <source>Copy Previous Boxes</source>
        <translation>前の当たり判定をコピー</translation>
    </message>
</context>
<context>
    <name>vantrel::Document</name>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Can&apos;t open file: %1 with error %2</source>
        <translation>ファイルを開けません: %1 エラー: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read again here.</source>
        <translation>%1 はここでは再読み込みできません。</translation>
    </message>
    <message>
        <source>Reload %1</source>
        <translation>%1 の再読み込み</translation>
    </message>
    <message>
        <source>Recovered Changes</source>
        <translation>復元された変更</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 は読み取り専用です。</translation>
    </message>
    <message>
        <source>The document has no file to be saved to.</source>
        <translation>このドキュメントには保存先のファイルがありません。</translation>
    </message>
</context>
<context>
    <name>vantrel::DocumentManager</name>
    <message>
        <source>This kind of file cannot be opened here.</source>
        <translation>この種類のファイルはここでは開けません。</translation>
    </message>
</context>
<context>
    <name>vantrel::EditorTextBox</name>
    <message>
        <source>Replace Lines</source>
        <translation>行の置換</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
</context>
<context>
    <name>vantrel::EngineSettingsBox</name>
    <message>
        <source>Engine</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>(no profile)</source>
        <translation>(プロファイルなし)</translation>
    </message>
    <message>
        <source>Save as Profile...</source>
        <translation>プロファイルとして保存...</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>プロファイルの削除</translation>
    </message>
    <message>
        <source>Found in the working folder: %1</source>
        <translation>作業フォルダー内で見つかったもの: %1</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>The engine&apos;s own: %1 (IKEMEN GO), %2 (MUGEN)</source>
        <translation>エンジン既定: %1 (IKEMEN GO)、%2 (MUGEN)</translation>
    </message>
    <message>
        <source>%f: the .def opened, as the engine names it (folder/file.def), %2: the second player, %c: the character&apos;s folder name, %d: the .def&apos;s full path, %s: the stage, %a: the AI level, %%: a single %.
Quotes keep blanks inside one argument. A stage and an AI level that the arguments do not place follow them as -s and -p2.ai.</source>
        <translation>%f: 開いている .def (エンジンでの表記 folder/file.def)、%2: 2P キャラクター、%c: キャラクターのフォルダー名、%d: .def のフルパス、%s: ステージ、%a: AI レベル、%%: 1 つの %。
引用符で囲むと空白を含めて 1 つの引数になります。引数で位置を指定していないステージと AI レベルは、-s と -p2.ai として引数の後に付けられます。</translation>
    </message>
    <message>
        <source>Two folders above the character&apos;s folder</source>
        <translation>キャラクターのフォルダーの 2 つ上のフォルダー</translation>
    </message>
    <message>
        <source>The same character</source>
        <translation>同じキャラクター</translation>
    </message>
    <message>
        <source>The engine&apos;s choice</source>
        <translation>エンジンに任せる</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>The second player&apos;s AI level; Off leaves it to the engine</source>
        <translation>2P の AI レベル。オフにするとエンジンに任せます</translation>
    </message>
    <message>
        <source>Save all changes before running, without asking</source>
        <translation>実行前に確認せずにすべての変更を保存する</translation>
    </message>
    <message>
        <source>Run profile:</source>
        <translation>実行プロファイル:</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>プログラム:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>引数:</translation>
    </message>
    <message>
        <source>Working folder:</source>
        <translation>作業フォルダー:</translation>
    </message>
    <message>
        <source>Second player:</source>
        <translation>2P キャラクター:</translation>
    </message>
    <message>
        <source>Stage:</source>
        <translation>ステージ:</translation>
    </message>
    <message>
        <source>AI level:</source>
        <translation>AI レベル:</translation>
    </message>
    <message>
        <source>Save as Profile</source>
        <translation>プロファイルとして保存</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>プロファイル名:</translation>
    </message>
    <message>
        <source>A profile name cannot be empty or hold a |.</source>
        <translation>プロファイル名は空にできず、| を含めることもできません。</translation>
    </message>
    <message>
        <source>Vantrel keeps at most %1 run profiles: delete one first.</source>
        <translation>Vantrel に保存できる実行プロファイルは最大 %1 個です。先にどれかを削除してください。</translation>
    </message>
    <message>
        <source>Choose the engine program</source>
        <translation>エンジンのプログラムを選択</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Choose the engine&apos;s working folder</source>
        <translation>エンジンの作業フォルダーを選択</translation>
    </message>
</context>
<context>
    <name>vantrel::FindDialog</name>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>検索する文字列(&amp;N):</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>置換後の文字列:</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>検索(&amp;F)</translation>
    </message>
    <message>
        <source>Replace &gt;&gt;</source>
        <translation>置換 &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Match &amp;Case</source>
        <translation>大文字と小文字を区別する(&amp;C)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>下へ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;</source>
        <translation>&quot;%1&quot; が見つかりません</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置換</translation>
    </message>
</context>
<context>
    <name>vantrel::FramePanel</name>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Loop Start</source>
        <translation>ループ開始</translation>
    </message>
    <message>
        <source>Interpolate: %1</source>
        <translation>補間: %1</translation>
    </message>
    <message>
        <source>%1 cannot be done here: the lines around the frame belong to others.</source>
        <translation>ここでは「%1」を実行できません: このフレームの前後の行は他の要素に属しています。</translation>
    </message>
    <message>
        <source>Insert Frame</source>
        <translation>フレームの挿入</translation>
    </message>
    <message>
        <source>Duplicate Frame</source>
        <translation>フレームの複製</translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation>フレームの削除</translation>
    </message>
    <message>
        <source>Move Frame Up</source>
        <translation>フレームを上へ移動</translation>
    </message>
    <message>
        <source>Move Frame Down</source>
        <translation>フレームを下へ移動</translation>
    </message>
    <message>
        <source>The clipboard holds no frames to paste.</source>
        <translation>クリップボードに貼り付けられるフレームがありません。</translation>
    </message>
    <message>
        <source>Paste Frames</source>
        <translation>フレームの貼り付け</translation>
    </message>
    <message>
        <source>Clear Loop Start</source>
        <translation>ループ開始の解除</translation>
    </message>
    <message>
        <source>Set Loop Start</source>
        <translation>ループ開始の設定</translation>
    </message>
    <message>
        <source>%1 cannot be &quot;%2&quot;.</source>
        <translation>%1 に &quot;%2&quot; は指定できません。</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 の変更</translation>
    </message>
</context>
<context>
    <name>vantrel::HelpViewer</name>
    <message>
        <source>Vantrel Help</source>
        <translation>Vantrel ヘルプ</translation>
    </message>
    <message>
        <source>The help file %1 cannot be read.</source>
        <translation>ヘルプファイル %1 を読み込めません。</translation>
    </message>
    <message>
        <source>There is no help topic number %1 in %2.</source>
        <translation>%2 にはトピック番号 %1 のヘルプはありません。</translation>
    </message>
</context>
<context>
    <name>vantrel::HistoryActions</name>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1 を元に戻す</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>%1 をやり直す</translation>
    </message>
</context>
<context>
    <name>vantrel::MainWindow</name>
    <message>
        <source>No file loaded</source>
        <translation>ファイルが読み込まれていません</translation>
    </message>
    <message>
        <source>Status: OK</source>
        <translation>状態: OK</translation>
    </message>
    <message>
        <source>%1 was changed on disk and read again.</source>
        <translation>%1 がディスク上で変更されたため、再読み込みしました。</translation>
    </message>
    <message>
        <source>%1 changed on disk.</source>
        <translation>%1 がディスク上で変更されました。</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>End the engine</source>
        <translation>エンジンを終了</translation>
    </message>
    <message>
        <source>%1 running</source>
        <translation>%1 を実行中</translation>
    </message>
    <message numerus="yes">
        <source>The %n open windows do not fit in the frame at their smallest sizes. Show them as tabs instead?</source>
        <translation>
            <numerusform>開いている %n 個のウィンドウは、最小サイズにしても枠内に収まりません。代わりにタブで表示しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open DEF file...</source>
        <translation>DEF ファイルを開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Save A&amp;ll</source>
        <translation>すべて保存(&amp;L)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Check Character</source>
        <translation>キャラクターのチェック(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>重ねて表示(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>並べて表示(&amp;T)</translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation>すべて閉じる(&amp;A)</translation>
    </message>
    <message>
        <source>Show Windows as Ta&amp;bs</source>
        <translation>ウィンドウをタブで表示(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <extracomment>An entry of the Window menu: its number, then the window&apos;s title.</extracomment>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Find a DEF file</source>
        <translation>DEF ファイルを探す</translation>
    </message>
    <message>
        <source>Character definition file (*.def)</source>
        <translation>キャラクター定義ファイル (*.def)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
</context>
<context>
    <name>vantrel::NotepadWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>ファイルを保存...</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Changes have been made!  Save first?</source>
        <translation>変更されています!  先に保存しますか?</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>メモ帳</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>ファイルを開く</translation>
    </message>
</context>
<context>
    <name>vantrel::PaletteDocument</name>
    <message>
        <source>%1 is not a palette: an ACT file holds 768 bytes.</source>
        <translation>%1 はパレットではありません: ACT ファイルは 768 バイトです。</translation>
    </message>
    <message>
        <source>The palette has changed. Save it before it is dropped?</source>
        <translation>パレットが変更されています。破棄する前に保存しますか?</translation>
    </message>
</context>
<context>
    <name>vantrel::PaletteWindow</name>
    <message>
        <source>ACT Editor</source>
        <translation>ACT エディター</translation>
    </message>
    <message>
        <source>R G B</source>
        <translation>R G B</translation>
    </message>
    <message>
        <source>ACT palette %1</source>
        <translation>ACT パレット %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save the palette</source>
        <translation>パレットを保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Import PAL</source>
        <translation>PAL のインポート</translation>
    </message>
    <message>
        <source>Import a JASC PAL file</source>
        <translation>JASC PAL ファイルをインポート</translation>
    </message>
    <message>
        <source>Export PAL</source>
        <translation>PAL のエクスポート</translation>
    </message>
    <message>
        <source>Save a JASC PAL file</source>
        <translation>JASC PAL ファイルを保存</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>見本</translation>
    </message>
    <message>
        <source>Load PCX for sample image</source>
        <translation>見本画像用の PCX を読み込む</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Undo last palette change</source>
        <translation>最後のパレット変更を元に戻す</translation>
    </message>
    <message>
        <source>Find a DEF file</source>
        <translation>DEF ファイルを探す</translation>
    </message>
    <message>
        <source>Character image file (*.pcx)</source>
        <translation>キャラクター画像ファイル (*.pcx)</translation>
    </message>
    <message>
        <source>The sample is a 32-bit picture: palettes do not change it.</source>
        <translation>見本画像は 32bit 画像のため、パレットを変更しても変わりません。</translation>
    </message>
    <message>
        <source>Choose Colour</source>
        <translation>色の選択</translation>
    </message>
    <message>
        <source>Change Red</source>
        <translation>赤の変更</translation>
    </message>
    <message>
        <source>Change Green</source>
        <translation>緑の変更</translation>
    </message>
    <message>
        <source>Change Blue</source>
        <translation>青の変更</translation>
    </message>
    <message>
        <source>Save ACT file</source>
        <translation>ACT ファイルの保存</translation>
    </message>
    <message>
        <source>Import PAL file</source>
        <translation>PAL ファイルのインポート</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Open one of the character&apos;s palettes to import a palette into.</source>
        <translation>パレットをインポートするには、先にキャラクターのパレットを 1 つ開いてください。</translation>
    </message>
    <message>
        <source>Import ACT</source>
        <translation>ACT のインポート</translation>
    </message>
    <message>
        <source>Export PAL file</source>
        <translation>PAL ファイルのエクスポート</translation>
    </message>
</context>
<context>
    <name>vantrel::PcxBrowser</name>
    <message>
        <source>PCX Browser</source>
        <translation>PCX ブラウザー</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Selected PCX</source>
        <translation>選択した PCX</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>フォルダー %1 は存在しません。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 はフォルダーではありません。</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>アクセスが拒否されました: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>エラー: %1</translation>
    </message>
</context>
<context>
    <name>vantrel::ProblemsWindow</name>
    <message>
        <source>No problems found</source>
        <translation>問題は見つかりませんでした</translation>
    </message>
    <message>
        <source>%1 error</source>
        <translation>%1 件のエラー</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 件のエラー</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 件の警告</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 件の警告</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>the count of errors, then the count of warnings (&quot;2 errors, 1 warning&quot;)</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>更新(&amp;R)</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>No character is open</source>
        <translation>キャラクターが開かれていません</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>チェック中...</translation>
    </message>
    <message>
        <source>error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <extracomment>A problem the checker found: its file and line, &quot;error&quot; or &quot;warning&quot;, and what is wrong.</extracomment>
        <translation>%1: %2: %3</translation>
    </message>
</context>
<context>
    <name>vantrel::ReferencesWindow</name>
    <message>
        <source>state %1</source>
        <translation>ステート %1</translation>
    </message>
    <message>
        <source>action %1</source>
        <translation>アクション %1</translation>
    </message>
    <message>
        <source>command &quot;%1&quot;</source>
        <translation>コマンド &quot;%1&quot;</translation>
    </message>
    <message>
        <source>sound %1</source>
        <translation>サウンド %1</translation>
    </message>
    <message>
        <source>sprite %1</source>
        <translation>スプライト %1</translation>
    </message>
    <message>
        <source>References</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Shift+F12 on a state, action or command lists where it is named.</source>
        <translation>ステート、アクション、コマンドの上で Shift+F12 を押すと、それが参照されている箇所を一覧表示します。</translation>
    </message>
    <message>
        <source>Double-click a place, or press Enter, to go there</source>
        <translation>箇所をダブルクリックするか Enter を押すと、その場所へ移動します</translation>
    </message>
    <message>
        <source>(definition)</source>
        <translation>(定義)</translation>
    </message>
    <message>
        <source>1 place names %1.</source>
        <translation>1 か所で %1 が参照されています。</translation>
    </message>
    <message>
        <source>%1 places name %2.</source>
        <translation>%1 か所で %2 が参照されています。</translation>
    </message>
</context>
<context>
    <name>vantrel::SettingsDialog</name>
    <message>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Program configuration</source>
        <translation>プログラムの設定</translation>
    </message>
    <message>
        <source>Default text editing settings:</source>
        <translation>テキスト編集の既定の設定:</translation>
    </message>
    <message>
        <source>Set font</source>
        <translation>フォントの設定</translation>
    </message>
    <message>
        <source>Fore colour</source>
        <translation>文字色</translation>
    </message>
    <message>
        <source>Back colour</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Show Tip of the Day</source>
        <translation>「今日のヒント」を表示</translation>
    </message>
    <message>
        <source>Language (from the next start):</source>
        <translation>言語 (次回の起動から):</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>システムの言語</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>vantrel::SffBuilder</name>
    <message>
        <source>The SFF file is still being built.</source>
        <translation>SFF ファイルはまだ作成中です。</translation>
    </message>
    <message>
        <source>There are no sprites to build an SFF file from.</source>
        <translation>SFF ファイルを作成するためのスプライトがありません。</translation>
    </message>
    <message>
        <source>Save SFF file</source>
        <translation>SFF ファイルの保存</translation>
    </message>
    <message>
        <source>Character Spritesheet (*.sff)</source>
        <translation>キャラクタースプライトファイル (*.sff)</translation>
    </message>
    <message>
        <source>Status: Building SFF file</source>
        <translation>状態: SFF ファイルを作成中</translation>
    </message>
    <message>
        <source>Building the SFF file</source>
        <translation>SFF ファイルを作成中</translation>
    </message>
    <message>
        <source>Status: OK</source>
        <translation>状態: OK</translation>
    </message>
</context>
<context>
    <name>vantrel::SoundAboutDialog</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>バージョン %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>vantrel::SoundWindow</name>
    <message>
        <source> Sample Info </source>
        <translation> サンプル情報 </translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>見本</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>長さ:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>形式:</translation>
    </message>
    <message>
        <source>Loop sound</source>
        <translation>ループ再生</translation>
    </message>
    <message>
        <source>Activate sample looping</source>
        <translation>サンプルのループ再生を有効にする</translation>
    </message>
    <message>
        <source> Comment </source>
        <translation> コメント </translation>
    </message>
    <message>
        <source>No sound output was found on this system: sounds cannot be played.</source>
        <translation>このシステムにはサウンド出力が見つかりませんでした。サウンドを再生できません。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Add sound...</source>
        <translation>サウンドの追加...</translation>
    </message>
    <message>
        <source>Delete sound</source>
        <translation>サウンドの削除</translation>
    </message>
    <message>
        <source>Save current sample...</source>
        <translation>現在のサンプルを保存...</translation>
    </message>
    <message>
        <source>Save all samples...</source>
        <translation>すべてのサンプルを保存...</translation>
    </message>
    <message>
        <source>Play current sample</source>
        <translation>現在のサンプルを再生</translation>
    </message>
    <message>
        <source>Stop playing</source>
        <translation>再生を停止</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Add sound</source>
        <translation>サウンドの追加</translation>
    </message>
    <message>
        <source>Adding sounds</source>
        <translation>サウンドを追加中</translation>
    </message>
    <message>
        <source>Save current sample</source>
        <translation>現在のサンプルを保存</translation>
    </message>
    <message>
        <source>Save all samples</source>
        <translation>すべてのサンプルを保存</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>再生中</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>名前を付けて保存...</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Add sample</source>
        <translation>サンプルを追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete sample</source>
        <translation>サンプルを削除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Export All</source>
        <translation>すべてエクスポート</translation>
    </message>
    <message>
        <source>About this program</source>
        <translation>このプログラムについて</translation>
    </message>
</context>
<context>
    <name>vantrel::SplashScreen</name>
    <message>
        <source>Whoa, buddy, one instance at a time!  You don&apos;t want
Vantrel to become a multiperson disturb program!</source>
        <translation>おっと、起動できるのは一度に 1 つだけです!
Vantrel を多重起動しないでください!</translation>
    </message>
    <message>
        <source>Character editor for the MUGEN engine</source>
        <translation>MUGEN エンジン用キャラクターエディター</translation>
    </message>
    <message>
        <source>Written by the Vantrel developers for character makers everywhere</source>
        <translation>世界中のキャラクター製作者のために Vantrel 開発者が作成</translation>
    </message>
</context>
<context>
    <name>vantrel::SpriteDocument</name>
    <message>
        <source>Edit Picture Externally</source>
        <translation>外部で画像を編集</translation>
    </message>
    <message>
        <source>The SFF file %1 was written with %2 sprites%3.</source>
        <extracomment>%3 is empty or what the build tool reports, as &quot; (240 pictures copied, 1 encoded)&quot;</extracomment>
        <translation>SFF ファイル %1 を %2 個のスプライトで書き出しました%3。</translation>
    </message>
    <message>
        <source>The SFF file was not written: the build was cancelled.</source>
        <translation>SFF ファイルは書き出されませんでした: 作成がキャンセルされました。</translation>
    </message>
    <message>
        <source>The SFF file was not written: %1</source>
        <translation>SFF ファイルは書き出されませんでした: %1</translation>
    </message>
    <message>
        <source>sprmaker ended with code %1.</source>
        <translation>sprmaker がコード %1 で終了しました。</translation>
    </message>
</context>
<context>
    <name>vantrel::SpriteTableModel</name>
    <message>
        <source>%1
Axis %2,%3</source>
        <extracomment>a sprite&apos;s picture file, then its axis as x,y</extracomment>
        <translation>%1
軸 %2,%3</translation>
    </message>
</context>
<context>
    <name>vantrel::SpriteWindow</name>
    <message>
        <source>SFF Editor</source>
        <translation>SFF エディター</translation>
    </message>
    <message>
        <source>Status: OK</source>
        <translation>状態: OK</translation>
    </message>
    <message>
        <source>Status: Finding Palette</source>
        <translation>状態: パレットを検索中</translation>
    </message>
    <message>
        <source>1 of%1</source>
        <extracomment>the sprite shown of how many, as &quot;1 of 281&quot;</extracomment>
        <translation>1 /%1</translation>
    </message>
    <message>
        <source>%1 of%2 </source>
        <extracomment>the sprite shown of how many, as &quot; 3 of 281 &quot;</extracomment>
        <translation>%1 /%2 </translation>
    </message>
    <message>
        <source>Group Number</source>
        <translation>グループ番号</translation>
    </message>
    <message>
        <source>Image Number</source>
        <translation>画像番号</translation>
    </message>
    <message>
        <source>Sprite %1,%2 is taken: sprite %3 (%4) has that number.</source>
        <translation>スプライト %1,%2 は使用済みです: スプライト %3 (%4) がその番号を持っています。</translation>
    </message>
    <message>
        <source>Axis X</source>
        <translation>軸 X</translation>
    </message>
    <message>
        <source>Axis Y</source>
        <translation>軸 Y</translation>
    </message>
    <message>
        <source>Move Axis</source>
        <translation>軸の移動</translation>
    </message>
    <message>
        <source>No match found for Group%1 image%2</source>
        <translation>該当するスプライトがありません: グループ%1 画像%2</translation>
    </message>
    <message>
        <source>the selected sprite</source>
        <translation>選択したスプライト</translation>
    </message>
    <message>
        <source>the %1 selected sprites</source>
        <translation>選択した %1 個のスプライト</translation>
    </message>
    <message>
        <source>List</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>グリッド</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Set Axis...</source>
        <translation>軸を設定...</translation>
    </message>
    <message>
        <source>Move to Group...</source>
        <translation>グループへ移動...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Export as PNG...</source>
        <translation>PNG としてエクスポート...</translation>
    </message>
    <message>
        <source>Crop to Content</source>
        <translation>内容に合わせて切り抜き</translation>
    </message>
    <message>
        <source>Use the Character&apos;s Palette</source>
        <translation>キャラクターのパレットを使用</translation>
    </message>
    <message>
        <source>Import Sprite Sheet...</source>
        <translation>スプライトシートのインポート...</translation>
    </message>
    <message>
        <source>What to do with the selected sprites</source>
        <translation>選択したスプライトに対する操作</translation>
    </message>
    <message>
        <source>Set the axis of %1, or move it?</source>
        <translation>%1の軸を設定しますか、それとも移動しますか?</translation>
    </message>
    <message>
        <source>Set to x,y</source>
        <translation>x,y に設定</translation>
    </message>
    <message>
        <source>Move by x,y</source>
        <translation>x,y だけ移動</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Set Axis</source>
        <translation>軸の設定</translation>
    </message>
    <message>
        <source>The axis (x,y):</source>
        <translation>軸 (x,y):</translation>
    </message>
    <message>
        <source>Move the axis by (x,y):</source>
        <translation>軸の移動量 (x,y):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not two numbers, as x,y.</source>
        <translation>&quot;%1&quot; は x,y の形式の 2 つの数値ではありません。</translation>
    </message>
    <message>
        <source>The selected sprites have that axis already.</source>
        <translation>選択したスプライトは既にその軸になっています。</translation>
    </message>
    <message>
        <source>Move to Group</source>
        <translation>グループへ移動</translation>
    </message>
    <message>
        <source>Move %1 to group:
(Each keeps its image number unless the group has it already; then it takes the group&apos;s next free number.)</source>
        <translation>%1の移動先グループ:
(各スプライトの画像番号はそのまま保たれます。ただし、そのグループに同じ番号が既にある場合は、グループ内の次の空き番号になります。)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a group number.</source>
        <translation>&quot;%1&quot; はグループ番号ではありません。</translation>
    </message>
    <message>
        <source>The selected sprites are in that group already.</source>
        <translation>選択したスプライトは既にそのグループにあります。</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1を削除しますか?</translation>
    </message>
    <message>
        <source>Delete sprites</source>
        <translation>スプライトの削除</translation>
    </message>
    <message>
        <source>Delete Sprite</source>
        <translation>スプライトの削除</translation>
    </message>
    <message>
        <source>Delete Sprites</source>
        <translation>スプライトの削除</translation>
    </message>
    <message>
        <source>Save the selected pictures to:</source>
        <translation>選択した画像の保存先:</translation>
    </message>
    <message>
        <source>The selected pictures have no transparent border to remove.</source>
        <translation>選択した画像には取り除く透明な余白がありません。</translation>
    </message>
    <message>
        <source>the sprites&apos; shared palette</source>
        <translation>スプライト共通のパレット</translation>
    </message>
    <message>
        <source>The character has no palette to use: its definition names no palette file, and no sprite has a palette of its own.</source>
        <translation>使用できるパレットがキャラクターにありません: 定義ファイルにパレットファイルの指定がなく、独自のパレットを持つスプライトもありません。</translation>
    </message>
    <message>
        <source>The selected pictures have the colours of %1 already.</source>
        <translation>選択した画像は既に %1 の色になっています。</translation>
    </message>
    <message>
        <source>Remapped to the colours of %1.</source>
        <translation>%1 の色に変換しました。</translation>
    </message>
    <message>
        <source>Import a sprite sheet</source>
        <translation>スプライトシートのインポート</translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation>PNG (*.png)</translation>
    </message>
    <message>
        <source>Import Sprite Sheet</source>
        <translation>スプライトシートのインポート</translation>
    </message>
    <message>
        <source>The sheet is %1 x %2 pixels. Its frames, as width,height in pixels, or as columns x rows (as 8x2):</source>
        <translation>シートのサイズは %1 x %2 ピクセルです。各フレームのサイズを幅,高さ (ピクセル) で、または列数 x 行数 (例: 8x2) で入力してください:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no frames: write 64,80 or 8x2.</source>
        <translation>&quot;%1&quot; ではフレームを指定できません: 64,80 や 8x2 のように入力してください。</translation>
    </message>
    <message>
        <source>The new sprites&apos; group and first image number (group,number):</source>
        <translation>新しいスプライトのグループと最初の画像番号 (グループ,番号):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a group and an image number.</source>
        <translation>&quot;%1&quot; はグループと画像番号ではありません。</translation>
    </message>
    <message>
        <source>Where is each frame&apos;s axis?</source>
        <translation>各フレームの軸の位置はどこですか?</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>下中央</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>ZSoft PCX (*.pcx)</source>
        <translation>ZSoft PCX (*.pcx)</translation>
    </message>
    <message>
        <source>Pictures (*.pcx *.png)</source>
        <translation>画像 (*.pcx *.png)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save SFF file</source>
        <translation>SFF ファイルの保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Save the sprites as another SFF file, choosing the build options</source>
        <translation>作成オプションを選んで、スプライトを別の SFF ファイルとして保存</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Sort images</source>
        <translation>画像を並べ替え</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Add a PCX or PNG after this image</source>
        <translation>この画像の後に PCX または PNG を追加</translation>
    </message>
    <message>
        <source>Delete this image</source>
        <translation>この画像を削除</translation>
    </message>
    <message>
        <source>Clone</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Clone image to end</source>
        <translation>画像を末尾に複製</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Change this image</source>
        <translation>この画像を変更</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Browse for PCX&apos;s with thumbnails</source>
        <translation>サムネイル付きで PCX を参照</translation>
    </message>
    <message>
        <source>ZoomIn</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>ZoomOut</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>ShellEdit</source>
        <translation>外部編集</translation>
    </message>
    <message>
        <source>Send to shell with &quot;Edit&quot; command</source>
        <translation>&quot;Edit&quot; コマンドでシェルに送る</translation>
    </message>
    <message>
        <source>SaveOne</source>
        <translation>1 枚保存</translation>
    </message>
    <message>
        <source>Save this picture as PCX or PNG...</source>
        <translation>この画像を PCX または PNG として保存...</translation>
    </message>
    <message>
        <source>SaveAll</source>
        <translation>全保存</translation>
    </message>
    <message>
        <source>Save all pictures...</source>
        <translation>すべての画像を保存...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Sprites</source>
        <translation>スプライト</translation>
    </message>
    <message>
        <source>%1 is a 32-bit picture. This character&apos;s sprites are built as SFF v1, which holds 8-bit pictures only (256 colours from a palette). Build them as SFF v2 from now on, so that it can go in?</source>
        <translation>%1 は 32bit 画像です。このキャラクターのスプライトは SFF v1 として作成されますが、SFF v1 には 8bit の画像 (パレットの 256 色) しか入れられません。この画像を追加できるように、今後は SFF v2 として作成しますか?</translation>
    </message>
    <message>
        <source>Add Sprite</source>
        <translation>スプライトの追加</translation>
    </message>
    <message>
        <source>Add a PCX or PNG picture</source>
        <translation>PCX または PNG 画像を追加</translation>
    </message>
    <message>
        <source>Adding pictures</source>
        <translation>画像を追加中</translation>
    </message>
    <message>
        <source>Add Sprites</source>
        <translation>スプライトの追加</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>よろしいですか?</translation>
    </message>
    <message>
        <source>Delete current image</source>
        <translation>現在の画像を削除</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>画像の変更</translation>
    </message>
    <message>
        <source>Save single frame</source>
        <translation>1 枚の画像を保存</translation>
    </message>
    <message>
        <source>Make colour 0 transparent in the PNG file?</source>
        <translation>PNG ファイルで色 0 を透明にしますか?</translation>
    </message>
    <message>
        <source>Save all files to:</source>
        <translation>すべてのファイルの保存先:</translation>
    </message>
    <message>
        <source>Save all files</source>
        <translation>すべてのファイルを保存</translation>
    </message>
    <message>
        <source>Save the pictures as PNG files?
(No saves them as they are: PCX files, and PNG files for 32-bit sprites.)</source>
        <translation>画像を PNG ファイルとして保存しますか?
(「いいえ」を選ぶと元の形式のまま保存します: 通常は PCX ファイル、32bit のスプライトは PNG ファイルになります。)</translation>
    </message>
    <message>
        <source>Make colour 0 transparent in the PNG files?</source>
        <translation>PNG ファイルで色 0 を透明にしますか?</translation>
    </message>
    <message>
        <source>Saving all pictures</source>
        <translation>すべての画像を保存中</translation>
    </message>
    <message>
        <source>
(%1 pictures were not saved.)</source>
        <translation>
(%1 個の画像は保存されませんでした。)</translation>
    </message>
    <message>
        <source>Image Data</source>
        <translation>画像データ</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Mouse X, Y:</source>
        <translation>マウス X, Y:</translation>
    </message>
    <message>
        <source>Alignment tools</source>
        <translation>位置合わせツール</translation>
    </message>
    <message>
        <source>Onionskin group and image:</source>
        <translation>オニオンスキンのグループと画像:</translation>
    </message>
    <message>
        <source>Jump to</source>
        <translation>ジャンプ</translation>
    </message>
    <message>
        <source>Hide transparent sections</source>
        <translation>透明部分を隠す</translation>
    </message>
    <message>
        <source>White background</source>
        <translation>白い背景</translation>
    </message>
    <message>
        <source>Current image</source>
        <translation>現在の画像</translation>
    </message>
    <message>
        <source>center</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1 を元に戻す</translation>
    </message>
</context>
<context>
    <name>vantrel::StateFileWindow</name>
    <message>
        <source>Not in a state - %1</source>
        <translation>ステート外 - %1</translation>
    </message>
    <message>
        <source>State%1 of %2</source>
        <extracomment>%1 is the state&apos;s number, with a space before it or its minus sign</extracomment>
        <translation>%2 のステート%1</translation>
    </message>
</context>
<context>
    <name>vantrel::StatusProgress</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>vantrel::TextDocument</name>
    <message>
        <source>Encoding %1</source>
        <translation>エンコーディングの変更 (%1)</translation>
    </message>
    <message>
        <source>Can&apos;t open file: %1</source>
        <translation>ファイルを開けません: %1</translation>
    </message>
    <message>
        <source>The character “%1” on line %2 cannot be written in %3.

Save the file as UTF-8 instead?  (No writes “?” in its place.)</source>
        <translation>%2 行目の文字「%1」は %3 で書き込めません。

代わりに UTF-8 でファイルを保存しますか?  (「いいえ」を選ぶとその位置に「?」が書き込まれます。)</translation>
    </message>
    <message>
        <source>Recovered Changes</source>
        <translation>復元された変更</translation>
    </message>
</context>
<context>
    <name>vantrel::TextEditorWindow</name>
    <message>
        <source>Encoding of the file</source>
        <translation>ファイルのエンコーディング</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>エラー: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告: %1</translation>
    </message>
    <message>
        <source>Click a place to go there</source>
        <translation>クリックするとその場所へ移動します</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Revert</source>
        <translation>復帰(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>削除(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>検索(&amp;F)</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>置換(&amp;E)...</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Go to Line...</source>
        <translation>行へ移動(&amp;G)...</translation>
    </message>
    <message>
        <source>Go to &amp;Definition</source>
        <translation>定義へ移動(&amp;D)</translation>
    </message>
    <message>
        <source>Find &amp;References</source>
        <translation>参照を検索(&amp;R)</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>時刻と日付</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>重ねて表示(&amp;C)</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>上下に並べて表示(&amp;H)</translation>
    </message>
    <message>
        <source>Tile &amp;Vertically</source>
        <translation>左右に並べて表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>アイコンの整列(&amp;A)</translation>
    </message>
    <message>
        <source>C&amp;lose All</source>
        <translation>すべて閉じる(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Go to Line</source>
        <translation>行へ移動</translation>
    </message>
    <message>
        <source>Line number (1 to %1):</source>
        <translation>行番号 (1 から %1):</translation>
    </message>
    <message>
        <source>There is no line %1: the lines go from 1 to %2.</source>
        <translation>%1 行目はありません: 行は 1 から %2 までです。</translation>
    </message>
    <message>
        <source>The character has no %1.</source>
        <translation>キャラクターに %1 がありません。</translation>
    </message>
    <message>
        <source>%1 is not defined in the character&apos;s files.</source>
        <translation>%1 はキャラクターのファイル内で定義されていません。</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;</source>
        <translation>&quot;%1&quot; が見つかりません</translation>
    </message>
    <message>
        <source>Reading the file again as %1 drops your unsaved changes.  Go on?</source>
        <translation>ファイルを %1 として読み込み直すと、未保存の変更は失われます。続けますか?</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>an undo step</comment>
        <translation>編集</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>ファイルを保存...</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
</context>
<context>
    <name>vantrel::TipDialog</name>
    <message>
        <source>Tip of the Day</source>
        <translation>今日のヒント</translation>
    </message>
    <message>
        <source>Tip of the day</source>
        <translation>今日のヒント</translation>
    </message>
    <message>
        <source>Tips at startup</source>
        <translation>起動時にヒントを表示</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>次へ &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Prev</source>
        <translation>&lt;&lt; 前へ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
