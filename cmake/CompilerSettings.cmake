# Settings every Tavoro target shares: warnings, Qt defines and the sanitizer option.
option(TAVORO_WERROR "Treat compiler warnings as errors" OFF)
option(TAVORO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(tavoro_options INTERFACE)
target_compile_features(tavoro_options INTERFACE cxx_std_20)
target_compile_options(tavoro_options INTERFACE
    -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor
    $<$<BOOL:${TAVORO_WERROR}>:-Werror>)
target_compile_definitions(tavoro_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_USE_QSTRINGBUILDER)

if(TAVORO_SANITIZE)
    target_compile_options(tavoro_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(tavoro_options INTERFACE -fsanitize=address,undefined)
endif()
