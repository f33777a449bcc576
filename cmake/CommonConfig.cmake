# One place for the warning flags and Qt safety defines every target gets.
add_library(lumidor_options INTERFACE)
target_compile_options(lumidor_options INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(lumidor_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_KEYWORDS
  QT_DISABLE_DEPRECATED_BEFORE=0x060000)

option(LUMIDOR_WERROR "Treat warnings as errors (CI builds)" OFF)
if(LUMIDOR_WERROR)
  target_compile_options(lumidor_options INTERFACE -Werror)
endif()
