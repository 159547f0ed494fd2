;
;	hsp3util.as: よく使う小さな命令（テスト用 HSP ホーム）
;
#ifndef __hsp3util__
#define __hsp3util__

#module hsp3util

#deffunc statictext str _text, int _w, int _h
	mes _text
	return

#defcfunc clamp int _v, int _min, int _max
	if _v < _min : return _min
	if _v > _max : return _max
	return _v

#global

#endif
