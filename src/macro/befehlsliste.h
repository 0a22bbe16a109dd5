// Befehlsliste: every word of the macro language, in one list.
//
// Each entry is X(enumerator, word, group, fewest operands, most operands).
// "Most" is -1 when the word takes a number of operands that the stack itself
// says (point lists "x1 y1 … xn yn n", MULTIDUP, CLEAR takes them all); "fewest"
// is then what is read before that number is known. Where a word's operands
// are given only as a count, that count is both bounds. Words that only push a
// result have 0 operands.
//
// Included by befehlstabelle.h (enum) and befehlstabelle.cpp (table); the
// order is the order of the editor's command list.
//
// clang-format off
#define QUARZEL_BEFEHLSLISTE(X) \
  /* stack */ \
  X(CLEAR, "CLEAR", Stapel, 0, -1) \
  X(DUP, "DUP", Stapel, 1, 1) \
  X(MULTIDUP, "MULTIDUP", Stapel, 1, -1) \
  X(POP, "POP", Stapel, 1, 1) \
  X(EXCH, "EXCH", Stapel, 2, 2) \
  /* arithmetic */ \
  X(ADD, "ADD", Arithmetik, 2, 2) \
  X(SUB, "SUB", Arithmetik, 2, 2) \
  X(MUL, "MUL", Arithmetik, 2, 2) \
  X(DIV, "DIV", Arithmetik, 2, 2) \
  X(IDIV, "IDIV", Arithmetik, 2, 2) \
  X(MOD, "MOD", Arithmetik, 2, 2) \
  X(POWER, "POWER", Arithmetik, 2, 2) \
  X(MAX, "MAX", Arithmetik, 2, 2) \
  X(MIN, "MIN", Arithmetik, 2, 2) \
  X(ROUND, "ROUND", Arithmetik, 2, 2) \
  X(FORMAT, "FORMAT", Arithmetik, 2, 2) \
  X(ABS, "ABS", Arithmetik, 1, 1) \
  X(NEG, "NEG", Arithmetik, 1, 1) \
  X(INC, "INC", Arithmetik, 1, 1) \
  X(DEC, "DEC", Arithmetik, 1, 1) \
  X(SQR, "SQR", Arithmetik, 1, 1) \
  X(LOG, "LOG", Arithmetik, 1, 1) \
  X(LOG10, "LOG10", Arithmetik, 1, 1) \
  X(LOG2, "LOG2", Arithmetik, 1, 1) \
  X(INT, "INT", Arithmetik, 1, 1) \
  X(RND, "RND", Arithmetik, 1, 1) \
  X(Fakultaet, "!", Arithmetik, 1, 1) \
  X(ODD, "ODD", Arithmetik, 1, 1) \
  X(EVEN, "EVEN", Arithmetik, 1, 1) \
  X(SIN, "SIN", Arithmetik, 1, 1) \
  X(COS, "COS", Arithmetik, 1, 1) \
  X(TAN, "TAN", Arithmetik, 1, 1) \
  X(ASIN, "ASIN", Arithmetik, 1, 1) \
  X(ACOS, "ACOS", Arithmetik, 1, 1) \
  X(ATN, "ATN", Arithmetik, 1, 1) \
  X(DISTANCE, "DISTANCE", Arithmetik, 4, 4) \
  X(ANGLE, "ANGLE", Arithmetik, 4, 4) \
  /* comparison and logic */ \
  X(EQ, "EQ", Vergleich, 2, 2) \
  X(NE, "NE", Vergleich, 2, 2) \
  X(LT, "LT", Vergleich, 2, 2) \
  X(LE, "LE", Vergleich, 2, 2) \
  X(GT, "GT", Vergleich, 2, 2) \
  X(GE, "GE", Vergleich, 2, 2) \
  X(AND, "AND", Vergleich, 2, 2) \
  X(OR, "OR", Vergleich, 2, 2) \
  X(XOR, "XOR", Vergleich, 2, 2) \
  X(EQV, "EQV", Vergleich, 2, 2) \
  X(NOT, "NOT", Vergleich, 1, 1) \
  /* text */ \
  X(STRADD, "STRADD", Text, 2, 2) \
  X(STRADDV, "STRADDV", Text, 2, 2) \
  X(STRADDASC, "STRADDASC", Text, 2, 2) \
  X(LEFTSTR, "LEFTSTR", Text, 2, 2) \
  X(RIGHTSTR, "RIGHTSTR", Text, 2, 2) \
  X(MIDSTR, "MIDSTR", Text, 3, 3) \
  X(POS, "POS", Text, 2, 2) \
  X(LENGTH, "LENGTH", Text, 1, 1) \
  X(ISTEXT, "ISTEXT", Text, 1, 1) \
  X(TEXTWIDTH, "TEXTWIDTH", Text, 1, 1) \
  /* variables and program flow */ \
  X(DEF, "DEF", Ablauf, 2, 2) \
  X(IF, "IF", Ablauf, 1, 1) \
  X(ELSE, "ELSE", Ablauf, 0, 0) \
  X(ENDIF, "ENDIF", Ablauf, 0, 0) \
  X(Schleifenanfang, "{", Ablauf, 1, 1) \
  X(Schleifenende, "}", Ablauf, 0, 0) \
  X(EXIT, "EXIT", Ablauf, 1, 1) \
  X(CALL, "CALL", Ablauf, 1, 1) \
  X(RETURN, "RETURN", Ablauf, 0, 0) \
  X(SETALIAS, "SETALIAS", Ablauf, 0, 0) \
  X(INCLUDE, "INCLUDE", Ablauf, 1, 1) \
  X(RUNFILE, "RUNFILE", Ablauf, 3, 3) \
  X(TIMER, "TIMER", Ablauf, 0, 0) \
  X(GETDATE, "GETDATE", Ablauf, 0, 0) \
  X(GETTIME, "GETTIME", Ablauf, 0, 0) \
  X(NEWUNDO, "NEWUNDO", Ablauf, 0, 0) \
  X(Kommentarzeichen, "%", Ablauf, 0, 0) \
  /* path and figures */ \
  X(MOVETO, "MOVETO", Figur, 2, 2) \
  X(RMOVETO, "RMOVETO", Figur, 2, 2) \
  X(SETZEROPOINT, "SETZEROPOINT", Figur, 2, 2) \
  X(LINETO, "LINETO", Figur, 2, 2) \
  X(RLINETO, "RLINETO", Figur, 2, 2) \
  X(CLOSEPATH, "CLOSEPATH", Figur, 0, 0) \
  X(POINT, "POINT", Figur, 2, 2) \
  X(RPOINT, "RPOINT", Figur, 2, 2) \
  X(SETPOINT, "SETPOINT", Figur, 2, 2) \
  X(BOX, "BOX", Figur, 2, 2) \
  X(RBOX, "RBOX", Figur, 2, 2) \
  X(FBOX, "FBOX", Figur, 2, 2) \
  X(RFBOX, "RFBOX", Figur, 2, 2) \
  X(ARC, "ARC", Figur, 5, 5) \
  X(ARCN, "ARCN", Figur, 5, 5) \
  X(PIE, "PIE", Figur, 5, 5) \
  X(CIRCLE, "CIRCLE", Figur, 1, 1) \
  X(FCIRCLE, "FCIRCLE", Figur, 1, 1) \
  X(ELLIPSE, "ELLIPSE", Figur, 2, 2) \
  X(FELLIPSE, "FELLIPSE", Figur, 2, 2) \
  X(CURVETO, "CURVETO", Figur, 4, 4) \
  X(FCURVETO, "FCURVETO", Figur, 4, 4) \
  X(RCURVETO, "RCURVETO", Figur, 4, 4) \
  X(RFCURVETO, "RFCURVETO", Figur, 4, 4) \
  X(SECTION, "SECTION", Figur, 4, 4) \
  X(FSECTION, "FSECTION", Figur, 4, 4) \
  X(RSECTION, "RSECTION", Figur, 4, 4) \
  X(RFSECTION, "RFSECTION", Figur, 4, 4) \
  X(RING, "RING", Figur, 2, 2) \
  X(RINGPART, "RINGPART", Figur, 5, 5) \
  X(RRINGPART, "RRINGPART", Figur, 5, 5) \
  X(AREA, "AREA", Figur, 1, -1) \
  X(POLYLINE, "POLYLINE", Figur, 1, -1) \
  X(SPLINE, "SPLINE", Figur, 1, -1) \
  X(FSPLINE, "FSPLINE", Figur, 1, -1) \
  X(RAREA, "RAREA", Figur, 1, -1) \
  X(RPOLYLINE, "RPOLYLINE", Figur, 1, -1) \
  X(RSPLINE, "RSPLINE", Figur, 1, -1) \
  X(RFSPLINE, "RFSPLINE", Figur, 1, -1) \
  /* text figures */ \
  X(SHOW, "SHOW", Textfigur, 1, 1) \
  X(SHOWBLOCK, "SHOWBLOCK", Textfigur, 2, 2) \
  X(SETFONT, "SETFONT", Textfigur, 1, 1) \
  X(SCALEFONT, "SCALEFONT", Textfigur, 1, 1) \
  X(TEXTROTATE, "TEXTROTATE", Textfigur, 1, 1) \
  X(SETTEXTSTYLE, "SETTEXTSTYLE", Textfigur, 1, 1) \
  /* styles */ \
  X(SETPEN, "SETPEN", Stil, 1, 1) \
  X(SETDASH, "SETDASH", Stil, 1, 1) \
  X(RGBCOLOR, "RGBCOLOR", Stil, 3, 3) \
  X(CMYCOLOR, "CMYCOLOR", Stil, 3, 3) \
  X(SETGRAY, "SETGRAY", Stil, 1, 1) \
  X(HLSCOLOR, "HLSCOLOR", Stil, 3, 3) \
  X(SETMULTICOLOR, "SETMULTICOLOR", Stil, 1, 4) \
  X(SETTRANS, "SETTRANS", Stil, 1, 1) \
  X(SETPATTERN, "SETPATTERN", Stil, 1, 1) \
  X(SETBORDER, "SETBORDER", Stil, 1, 1) \
  X(FINDPEN, "FINDPEN", Stil, 1, 1) \
  /* drawing environment */ \
  X(SETFORMAT, "SETFORMAT", Umgebung, 2, 2) \
  X(SETPAGESIZE, "SETPAGESIZE", Umgebung, 3, 3) \
  X(SETPAGE, "SETPAGE", Umgebung, 1, 1) \
  X(NEWPAGE, "NEWPAGE", Umgebung, 3, 3) \
  X(ROTATE, "ROTATE", Umgebung, 1, 1) \
  X(CREATELAYER, "CREATELAYER", Umgebung, 2, 2) \
  X(CREATESUBLAYER, "CREATESUBLAYER", Umgebung, 1, 1) \
  X(SETLAYERVISIBLE, "SETLAYERVISIBLE", Umgebung, 1, 1) \
  X(SETSUBLAYERVISIBLE, "SETSUBLAYERVISIBLE", Umgebung, 1, 1) \
  X(GETLAYERVISIBLE, "GETLAYERVISIBLE", Umgebung, 0, 0) \
  X(GETSUBLAYERVISIBLE, "GETSUBLAYERVISIBLE", Umgebung, 0, 0) \
  X(SETLAYERUNIT, "SETLAYERUNIT", Umgebung, 3, 3) \
  X(BEGINGROUP, "BEGINGROUP", Umgebung, 1, 1) \
  X(ENDGROUP, "ENDGROUP", Umgebung, 0, 0) \
  X(MEASURE, "MEASURE", Umgebung, 1, 2) \
  X(MEASURELINE, "MEASURELINE", Umgebung, 6, 6) \
  X(SETMASPOS, "SETMASPOS", Umgebung, 1, 1) \
  X(SETMASPROFILE, "SETMASPROFILE", Umgebung, 1, 1) \
  X(CHECKAREA, "CHECKAREA", Umgebung, 3, 3) \
  X(CHECKLINE, "CHECKLINE", Umgebung, 2, 2) \
  X(PICTURE, "PICTURE", Umgebung, 6, 6) \
  /* user interaction */ \
  X(ALERT, "ALERT", Interaktion, 1, 1) \
  X(INFO, "INFO", Interaktion, 1, 1) \
  X(INFOBOX, "INFOBOX", Interaktion, 2, 2) \
  X(QUESTION, "QUESTION", Interaktion, 1, 1) \
  X(INPUT, "INPUT", Interaktion, 1, 1) \
  X(SHOWHINT, "SHOWHINT", Interaktion, 1, 1) \
  X(HIDEHINT, "HIDEHINT", Interaktion, 0, 0) \
  X(GETFKEY, "GETFKEY", Interaktion, 0, 0) \
  X(GETPINFO, "GETPINFO", Interaktion, 2, 2) \
  X(GETCURSOR, "GETCURSOR", Interaktion, 0, 0) \
  X(GETCURSORPLUS, "GETCURSORPLUS", Interaktion, 4, 4) \
  X(GETCURSORBOX, "GETCURSORBOX", Interaktion, 0, 0) \
  X(GETCURSORMOVE, "GETCURSORMOVE", Interaktion, 4, 4) \
  X(GETLINE, "GETLINE", Interaktion, 0, 0) \
  X(GETARC, "GETARC", Interaktion, 0, 0) \
  X(GETSYMBOL, "GETSYMBOL", Interaktion, 0, 0) \
  /* text files */ \
  X(FILEOPEN, "FILEOPEN", Textdatei, 3, 3) \
  X(FILEREAD, "FILEREAD", Textdatei, 0, 0) \
  X(FILEWRITE, "FILEWRITE", Textdatei, 1, 1) \
  X(FILECLOSE, "FILECLOSE", Textdatei, 1, 1) \
  /* symbols and bills of materials */ \
  X(LOADSYM, "LOADSYM", Symbol, 1, 2) \
  X(MOVESYMBOL, "MOVESYMBOL", Symbol, 1, 4) \
  X(CREATEMASK, "CREATEMASK", Symbol, 2, 2) \
  X(SETMASK, "SETMASK", Symbol, 1, 1) \
  X(SETSYMMASK, "SETSYMMASK", Symbol, 2, 2) \
  X(SETSYMINFO, "SETSYMINFO", Symbol, 3, 3) \
  X(GETSYMINFO, "GETSYMINFO", Symbol, 2, 2) \
  X(CREATESYMLIST, "CREATESYMLIST", Symbol, 1, 1) \
  X(GETLISTINFO, "GETLISTINFO", Symbol, 2, 2) \
  /* dialogs */ \
  X(BEGINDIALOG, "BEGINDIALOG", Dialog, 3, 3) \
  X(ENDDIALOG, "ENDDIALOG", Dialog, 0, 0) \
  X(SHOWLIVEDIALOG, "SHOWLIVEDIALOG", Dialog, 0, 0) \
  X(ENDLIVEDIALOG, "ENDLIVEDIALOG", Dialog, 0, 0) \
  X(LABEL, "LABEL", Dialog, 3, 3) \
  X(BUTTON, "BUTTON", Dialog, 3, 3) \
  X(HELPBUTTON, "HELPBUTTON", Dialog, 3, 3) \
  X(RADIOBUTTON, "RADIOBUTTON", Dialog, 3, 3) \
  X(CHECKBOX, "CHECKBOX", Dialog, 3, 3) \
  X(EDIT, "EDIT", Dialog, 3, 3) \
  X(DEFAULTEDIT, "DEFAULTEDIT", Dialog, 4, 4) \
  X(SPINEDIT, "SPINEDIT", Dialog, 6, 6) \
  X(NUMIROEDIT, "NUMIROEDIT", Dialog, 7, 7) \
  X(COMBOBOX, "COMBOBOX", Dialog, 4, 4) \
  X(LISTBOX, "LISTBOX", Dialog, 5, 5) \
  X(IMAGELISTBOX, "IMAGELISTBOX", Dialog, 7, 7) \
  X(RADIOGROUP, "RADIOGROUP", Dialog, 6, 6) \
  X(STRINGGRID, "STRINGGRID", Dialog, 9, 9) \
  X(IMAGE, "IMAGE", Dialog, 6, 6) \
  X(IMAGEBUTTON, "IMAGEBUTTON", Dialog, 6, 6) \
  X(PAINTBOX, "PAINTBOX", Dialog, 4, 4) \
  X(LIVEBUTTON, "LIVEBUTTON", Dialog, 8, 8) \
  X(BEGINFRAME, "BEGINFRAME", Dialog, 5, 5) \
  X(BEGINPANEL, "BEGINPANEL", Dialog, 4, 4) \
  X(ENDFRAME, "ENDFRAME", Dialog, 0, 0) \
  X(ENDPANEL, "ENDPANEL", Dialog, 0, 0) \
  /* access to dialog controls */ \
  X(SETDEFAULT, "SETDEFAULT", Steuerelement, 1, -1) \
  X(SETVALUE, "SETVALUE", Steuerelement, 3, 3) \
  X(GETVALUE, "GETVALUE", Steuerelement, 2, 2) \
  X(ISCHANGED, "ISCHANGED", Steuerelement, 2, 2) \
  X(ISFOCUSED, "ISFOCUSED", Steuerelement, 2, 2) \
  X(SETELEMENTCOLOR, "SETELEMENTCOLOR", Steuerelement, 5, 5) \
  X(SETELEMENTFONT, "SETELEMENTFONT", Steuerelement, 5, 5) \
  X(SETELEMENTVISIBLE, "SETELEMENTVISIBLE", Steuerelement, 3, 3) \
  X(SETELEMENTENABLED, "SETELEMENTENABLED", Steuerelement, 3, 3) \
  X(SETHINT, "SETHINT", Steuerelement, 3, 3) \
  X(SETSPINEDIT, "SETSPINEDIT", Steuerelement, 2, 2) \
  X(SETCOLWIDTH, "SETCOLWIDTH", Steuerelement, 3, 3) \
  X(SETCELL, "SETCELL", Steuerelement, 4, 4) \
  X(GETCELL, "GETCELL", Steuerelement, 3, 3) \
  X(GRIDCLEAR, "GRIDCLEAR", Steuerelement, 1, 1) \
  X(GRIDDIM, "GRIDDIM", Steuerelement, 3, 3) \
  X(PBCLEAR, "PBCLEAR", Steuerelement, 1, 1) \
  X(BEGINPAINT, "BEGINPAINT", Steuerelement, 0, 0) \
  X(ENDPAINT, "ENDPAINT", Steuerelement, 1, 1) \
  X(SETDIALOGCOLOR, "SETDIALOGCOLOR", Steuerelement, 3, 3) \
  X(SETBORDERCOLOR, "SETBORDERCOLOR", Steuerelement, 3, 3) \
  /* known to the interpreter, not shown in the editor's list */ \
  X(UNDO, "UNDO", Ablauf, 0, 0)
// clang-format on
