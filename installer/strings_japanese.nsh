; The installer's own texts in Japanese; NSIS brings the rest.
LangString SectionProgram ${LANG_JAPANESE} "Vorndel"
LangString SectionProgramText ${LANG_JAPANESE} "プログラム本体、英語と日本語の言語モジュール、標準のタグライブラリとマニュアル。"
LangString SectionOpenWith ${LANG_JAPANESE} "プログラムから開く"
LangString SectionOpenWithText ${LANG_JAPANESE} "HTML、XHTML、XML、CSS、JavaScript、PHP、テキストファイルの「プログラムから開く」に Vorndel を加えます。今の既定のプログラムはそのまま変わりません。"
LangString SectionDesktop ${LANG_JAPANESE} "デスクトップのアイコン"
LangString SectionDesktopText ${LANG_JAPANESE} "デスクトップに Vorndel のショートカットを作ります。"
LangString DocumentType ${LANG_JAPANESE} "Web 文書"
