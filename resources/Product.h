// Product name, version and the other texts that both the version block of
// the executable and the program itself show. Each text lives only here: the
// setup program and the Linux package read them from this file too.
#ifndef ZORVIK_PRODUCT_H
#define ZORVIK_PRODUCT_H

#define ZORVIK_PRODUCT_NAME "Zorvik"
#define ZORVIK_COMPANY_NAME "Zorvik Giochi"
#define ZORVIK_VERSION_TEXT "1.0.2.0"
#define ZORVIK_VERSION_NUMBERS 1,0,2,0
#define ZORVIK_COPYRIGHT "Copyright (C) 2026 Zorvik Giochi"
#define ZORVIK_WEB_HOST "zorvikgiochi.it"
// The player's settings, per user: HKEY_CURRENT_USER\<this key>.
#define ZORVIK_SETTINGS_KEY "Software\\" ZORVIK_COMPANY_NAME "\\" ZORVIK_PRODUCT_NAME
// The three lines of the About window's notice, joined by CR LF. Narrow text
// is ISO 8859-1: accented letters are byte escapes.
#define ZORVIK_FREEWARE_NOTICE                          \
  "Questo programma \xE8 gratuito (freeware).\r\n"     \
  "Pu\xF2 essere copiato e regalato liberamente.\r\n"  \
  "Viene fornito cos\xEC com'\xE8, senza garanzie."

#endif
