; The installer's own texts in English; NSIS brings the rest.
LangString SectionProgram ${LANG_ENGLISH} "Vorndel"
LangString SectionProgramText ${LANG_ENGLISH} "The program, its English and Japanese language modules, the default tag library and the manual."
LangString SectionOpenWith ${LANG_ENGLISH} "Open with Vorndel"
LangString SectionOpenWithText ${LANG_ENGLISH} "Offers Vorndel in the Open with menu of HTML, XHTML, XML, CSS, JavaScript, PHP and text files. The programs that open them now stay their default."
LangString SectionDesktop ${LANG_ENGLISH} "Desktop shortcut"
LangString SectionDesktopText ${LANG_ENGLISH} "Puts a shortcut to Vorndel on the desktop."
LangString DocumentType ${LANG_ENGLISH} "Web document"
