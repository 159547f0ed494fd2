;
;	hspdef.as: 標準の定義（テスト用 HSP ホーム）
;
#ifndef __hspdef__
#define __hspdef__

#const global screen_normal 0
#const global screen_hide 2
#const global font_bold 1

#endif
