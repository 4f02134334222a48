# One interface target carries the compile policy of every Quillan target.
add_library(quillan_policy INTERFACE)
target_compile_features(quillan_policy INTERFACE cxx_std_20)
target_compile_options(quillan_policy INTERFACE -Wall -Wextra -Werror)
target_compile_definitions(quillan_policy INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_KEYWORDS
  QT_NO_FOREACH
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_STRICT_ITERATORS
  QT_USE_QSTRINGBUILDER)
set(CMAKE_CXX_EXTENSIONS OFF)

if(QUILLAN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
