option(LUMIDOR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(LUMIDOR_SANITIZE)
  target_compile_options(lumidor_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(lumidor_options INTERFACE -fsanitize=address,undefined)
endif()
