// Varied HSP scripts for the lexer's incremental tests and benchmark: modules, labels, gosub and
// goto, Japanese strings and names (several with a 0x5C or 0x40 trail byte), comments, {"..."}
// strings, #define with parameters, continued directive lines and numbers of every form.
// Narrow literals compile to Shift-JIS, so these are the bytes an editor would hold.
#pragma once

namespace HspSamples {

inline const char *const scripts[] = {
R"hsp(; 点数表示のサンプル: ボタンとラベル
#include "hspext.as"
#packopt name "score"
#const global MAX_ITEM 10
	screen 0, 640, 480
	title "点数表示ソフト"
	dim 点数, MAX_ITEM
	sdim 名前, 64
	名前 = "山田太郎"
	button gosub "開始", *開始
	button "終了", *owari
	onexit goto *owari
	stop

*開始
	repeat MAX_ITEM
		点数(cnt) = rnd(100)
		mes "点数" + cnt + ": " + 点数(cnt) + "点"
	loop
	合計 = 0 : 平均 = 0.0
	repeat MAX_ITEM : 合計 += 点数(cnt) : loop
	平均 = double(合計) / MAX_ITEM
	mes "平均は" + strf("%3.1f", 平均) + "です。十分な予定表"
	return

*owari
	dialog "終了しますか？", 2
	if stat = 6 : end
	stop
)hsp",

R"hsp(/*
	文字列ユーティリティのモジュール
	#deffunc で定義した命令は global で公開する
*/
#module mod_str
#deffunc local 初期化
	構造 = 0
	return

#defcfunc 文字数 str s
	return strlen(s)

#deffunc strrepeat var dest, str unit, int count
	dest = ""
	repeat count
		dest += unit   // 連結する
	loop
	return

#defcfunc trimright str s, local n
	n = strlen(s)
	while n > 0
		if peek(s, n - 1) != ' ' : _break
		n--
	wend
	return strmid(s, 0, n)
#global
	初期化@mod_str
	strrepeat buf, "ソ", 3
	mes buf
	text = {"一行目
二行目 "引用" ; これはコメントではない
三行目 // これも文字列 #define でもない"}
	mes text : mes 文字数(text)
)hsp",

R"hsp(#define global ctype SQUARE(%1) ((%1)*(%1))
#define global ADDLOG(%1,%2="none") logmes "%1=" + %2
#define NEWLINE mes "" :%c
#define CLAMP(%1,%2,%3) if %1<%2 {%1=%2} else {if %1>%3 {%1=%3}}
#enum COLOR_RED = 1
#enum COLOR_GREEN
#enum COLOR_BLUE
	a = $FF + 0x1F + 0X2a - %1010 + 0b0110 + $FF_FF
	b = 1.5e-3 * 2.0 + 3e10 - 1.0E+5 + 2.5f
	c = 'A' + '\'' + ';' + '='
	d = SQUARE(12) \ 7 : e = d * 100 / 3
	x = 10 : y = 20 : z = x*y + x * y
	z *= 2 : z /= 4 : z \= 3 : z <<= 1
	if (a & b) | (c ^ d) { mes "ok" } else { mes "ng" }
	if a == b && c != d || not e : mes "logic"
	arr.1 = 5 : arr.1.0 = 6
	CLAMP x, 0, 255
	ADDLOG "x", str(x)
	mes SQUARE(x) \ 256 : NEWLINE
)hsp",

R"hsp(; Win32 API を直接呼ぶ
#uselib "user32.dll"
#func global MessageBoxA "MessageBoxA" int, sptr, sptr, int
#cfunc global GetSystemMetrics "GetSystemMetrics" int
#uselib "kernel32.dll"
#func global Sleep "Sleep" int
	幅 = GetSystemMetrics(0) : 高さ = GetSystemMetrics(1)
	MessageBoxA hwnd, "画面は" + 幅 + "x" + 高さ + "です", "表示", 0
	gosub *@f
	mes "ファイル名: C:\\ソフト\\予定表.txt"
	goto *@f
*@
	mes "無名ラベル" : Sleep 100
	return
*@
	onkey gosub *キー入力
	oncmd gosub *メッセージ, $0010
	wait 10 : goto *@b

*キー入力
	if iparam = 27 : end   ; ESC で終了
	return
*メッセージ
	return
)hsp",

R"hsp(#ifdef __hsp30__
#cmpopt varinit 1
#endif
#define global FULLNAME(%1, %2) \
	%1 + " " + \
	%2
#define global GOTO_END goto \
	*終わり
#const MAX_LEN  256  ; 最大長
#if MAX_LEN > 100
#packopt hide 1
#endif
	ｶﾀｶﾅ = "半角ｶﾀｶﾅの変数"
	switch ｶﾀｶﾅ
	case "abc"
		mes "abc" : swbreak
	default
		mes "その他"
		swbreak
	swend
	for i, 0, 10, 2
		if i = 4 : _continue
		mes "i=" + i
	next
	do
		n++
	until n >= 5
	sdim 長い文字列, MAX_LEN
	長い文字列 = {"複数行の
文字列で \"エスケープ\" と \\ を含む"} + "後"
	*ラベル : mes FULLNAME("名", "姓")
*終わり
	end
)hsp",
};

}
