#include "language/FixedKeywords.h"

namespace FixedKeywords {

const char *const cpp =
    "and and_eq asm auto bitand bitor bool break case catch char class compl const const_cast "
    "continue default delete do double dynamic_cast else enum explicit export extern false float "
    "for friend goto if inline int long mutable namespace new not not_eq operator or or_eq "
    "private protected public register reinterpret_cast return short signed sizeof static "
    "static_cast struct switch template this throw true try typedef typeid typename union "
    "unsigned using virtual void volatile wchar_t while xor xor_eq";

const char *const html =
    "abbr accept-charset accept accesskey action align alink alt archive axis background bgcolor "
    "border cellpadding cellspacing char charoff charset checked cite class classid clear "
    "codebase codetype color cols colspan compact content coords data datafld dataformatas "
    "datapagesize datasrc datetime declare defer dir disabled enctype event face for frame "
    "frameborder headers height href hreflang hspace http-equiv id ismap label lang language "
    "leftmargin link longdesc marginwidth marginheight maxlength media method multiple name "
    "nohref noresize noshade nowrap object onblur onchange onclick ondblclick onfocus onkeydown "
    "onkeypress onkeyup onload onmousedown onmousemove onmouseover onmouseout onmouseup onreset "
    "onselect onsubmit onunload profile prompt readonly rel rev rows rowspan rules scheme scope "
    "selected shape size span src standby start style summary tabindex target text title "
    "topmargin type usemap valign value valuetype version vlink vspace width text password "
    "checkbox radio submit reset file hidden image a abbr acronym address applet area b base "
    "basefont bdo big blockquote body br button caption center cite code col colgroup dd del dfn "
    "dir div dl dt em fieldset font form frame frameset h1 h2 h3 h4 h5 h6 head hr html i iframe "
    "img input ins isindex kbd label legend li link map menu meta noframes noscript object ol "
    "optgroup option p param pre q s samp script select small span strike strong style sub sup "
    "table tbody td textarea tfoot th thead title tr tt u ul var xml xmlns bordercolor "
    "bordercolordark bordercolorlight bottom left right scrolling top wrap bgsound blink embed "
    "marquee nobr noembed rb rp rt ruby ";

const char *const sql =
    "absolute action add admin after aggregate alias all allocate alter and any are array as asc "
    "assertion at authorization before begin binary bit blob boolean both breadth by call "
    "cascade cascaded case cast catalog char character check class clob close collate collation "
    "column commit completion connect connection constraint constraints constructor continue "
    "corresponding create cross cube current current_date current_path current_role current_time "
    "current_timestamp current_user cursor cycle data date day deallocate dec decimal declare "
    "default deferrable deferred delete depth deref desc describe descriptor destroy destructor "
    "deterministic dictionary diagnostics disconnect distinct domain double drop dynamic each "
    "else end end-exec equals escape every except exception exec execute external false fetch "
    "first float for foreign found from free full function general get global go goto grant "
    "group grouping having host hour identity if ignore immediate in indicator initialize "
    "initially inner inout input insert int integer intersect interval into is isolation iterate "
    "join key language large last lateral leading left less level like limit local localtime "
    "localtimestamp locator map match minute modifies modify module month names national natural "
    "nchar nclob new next no none not null numeric object of off old on only open operation "
    "option or order ordinality out outer output pad parameter parameters partial path postfix "
    "precision prefix preorder prepare preserve primary prior privileges procedure public read "
    "reads real recursive ref references referencing relative restrict result return returns "
    "revoke right role rollback rollup routine row rows savepoint schema scroll scope search "
    "second section select sequence session session_user set sets size smallint some space "
    "specific specifictype sql sqlexception sqlstate sqlwarning start state statement static "
    "structure system_user table temporary terminate than then time timestamp timezone_hour "
    "timezone_minute to trailing transaction translation treat trigger true under union unique "
    "unknown unnest update usage user using value values varchar variable varying view when "
    "whenever where with without work write year zone ";

const char *const vb6 =
    "addressof alias and appactivate as attribute base beep begin binary boolean byref byte "
    "byval call case cdbl chdir chdrive cint clng close compare const csng cstr currency date "
    "decimal declare defbool defbyte defcur defdate defdbl defdec defint deflng defobj defsng "
    "defstr defvar dim do double each else elseif empty end enum eqv erase error event exit "
    "explicit false filecopy for friend function get global gosub goto if imp implements in "
    "input integer is kill left leftb len let lib like line load lock long loop lset me mid midb "
    "mkdir mod name new next not nothing null object on open option optional or paramarray "
    "preserve print private property public put raiseevent randomize redim rem reset resume "
    "return right rmdir rset savepicture savesetting seek select sendkeys set setattr single "
    "static step stop string sub text then time to true type typeof unload unlock until variant "
    "wend while width with withevents write xor ";

const char *const hspFunctions =
    "comevdisp lpeek peek wpeek cnvwtos getpath instr noteinfo strf strmid strtrim abs absf atan "
    "callfunc cos dirinfo double expf gettime ginfo int length length2 length3 length4 libptr "
    "limit limitf logf objinfo rnd sin sqrt str strlen sysinfo tan varptr vartype varuse powf ";

const char *const hspCommands =
    "goto gosub return break repeat loop continue wait await dim sdim foreach dimtype dup dupptr "
    "end stop newmod delmod mref run exgoto on mcall assert logmes newlab resume yield onexit "
    "onerror onkey onclick oncmd exist delete mkdir chdir dirlist bload bsave bcopy memfile if "
    "else poke wpoke lpoke getstr chdpm memexpand memcpy memset notesel noteadd notedel noteload "
    "notesave randomize noteunsel noteget split button chgdisp exec dialog mmload mmplay mmstop "
    "mci pset pget syscolor mes print title pos circle cls font sysfont objsize picload color "
    "palcolor palette redraw width gsel gcopy gzoom gmode bmpsave hsvcolor getkey listbox chkbox "
    "combox input mesbox buffer screen bgscr mouse objsel groll line clrobj boxf objprm objmode "
    "stick grect grotate gsquare gradf objimage objskip objenable celload celdiv celput newcom "
    "querycom delcom cnvstow comres axobj winobj sendmsg comevent comevarg sarrayconv ";

const char *const hspMacros =
    "and or xor not screen_normal screen_palette screen_hide screen_fixedsize screen_tool "
    "screen_frame gmode_gdi gmode_mem gmode_rgb0 gmode_alpha gmode_rgb0alpha gmode_add gmode_sub "
    "gmode_pixela ginfo_mx ginfo_my ginfo_act ginfo_sel ginfo_wx1 ginfo_wy1 ginfo_wx2 ginfo_wy2 "
    "ginfo_vx ginfo_vy ginfo_sizex ginfo_sizey ginfo_winx ginfo_winy ginfo_mesx ginfo_mesy "
    "ginfo_r ginfo_g ginfo_b ginfo_paluse ginfo_dispx ginfo_dispy ginfo_cx ginfo_cy ginfo_intid "
    "ginfo_newid ginfo_sx ginfo_sy objinfo_mode objinfo_bmscr objinfo_hwnd notemax notesize "
    "dir_cur dir_exe dir_win dir_sys dir_cmdline dir_desktop dir_mydoc font_normal font_bold "
    "font_italic font_underline font_strikeout font_antialias objmode_normal objmode_guifont "
    "objmode_usefont gsquare_grad msgothic msmincho do until while wend for next _break "
    "_continue switch case default swbreak swend ddim ldim alloc m_pi rad2deg deg2rad _debug "
    "__hsp30__ __file__ __line__ __date__ __time__ __hspdef__ __hspver__ ";

const char *const hspDirectives =
    "#addition #aht #ahtmes #ahtout #cfunc #cmd #cmpopt #comfunc #const #defcfunc #defdouble "
    "#deffunc #define #defint #defnone #else #endif #enum #epack #func #global #if #ifdef "
    "#ifndef #include #modcfunc #modfunc #modinit #modterm #module #pack #packopt #pragma "
    "#regcmd #runtime #undef #usecom #uselib ";

const char *const hspSystemVariables =
    "cnt err hdc hinstance hspstat hspver hwnd iparam looplev lparam mousew mousex mousey "
    "refdval refstr stat strsize sublev thismod wparam system ";

const char *const hspReservedWords =
    "global ctype author class exp icon iconid name ver var array str label local wstr sptr wptr "
    "float pval comobj int double onexit ";

}
