;
;	user32.as: Win32 API の宣言（テスト用 HSP ホーム）
;
#ifndef __user32__
#define __user32__

#uselib "user32.dll"
#func global MessageBoxA "MessageBoxA" int, sptr, sptr, int
#func global GetSystemMetrics "GetSystemMetrics" int

#endif
