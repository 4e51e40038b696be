#!/usr/bin/env bash
# Builds QelWizard.exe: a static Qt 6 for 64-bit Windows made once from Debian 13's own qt6-base source (Qt 6.8, Qt's
# long-term line; kept in a cache folder outside the checkout), then the wizard and its tests cross-built with
# MinGW-w64 against it. Qt's cross build needs host tools of its own version, which Debian 13 has: on Debian 12 the
# whole build runs in a bare Debian 13 made for it (scripts/debian13.sh), and its results land in this checkout.
#   scripts/build-windows.sh          build-windows/QelWizard.exe and the Windows tests (scripts/test-windows.sh runs them)
#   QELWIZARD_CACHE=DIR ...           where the static Qts and the Debian 13 live (default: ~/.cache/qelwizard)
#   QELWIZARD_QT=DIR ...              link against a static Qt for Windows already installed in DIR instead, on this
#                                     system, with its own Qt's host tools
set -euo pipefail
cd "$(dirname "$0")/.."
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
if [ -z "${QELWIZARD_QT:-}" ] && [ "$codename" != trixie ]; then
    echo "build-windows: Debian ${codename:-?} here; building in Debian 13 (trixie), whose Qt source and tools the exe is made of"
    exec scripts/debian13.sh windows scripts/build-windows.sh
fi
repo=$PWD
cache=${QELWIZARD_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/qelwizard}
jobs=$(nproc)

# Only Core, Gui, Widgets and Test with the Windows and offscreen platform plugins. Debian's source has no wintab
# headers (tablet events off); without OpenGL the Windows plugin must not build its dynamic-GL code.
qt_options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_zstd=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_pkg_config=OFF)
# What the wizard never shows or calls. A static Qt still links much of it, because the code that is kept refers to it
# (a dialog looks for a file dialog, a widget for a graphics scene, a text document for Markdown), so each is switched
# off here. Kept on purpose: the windowsvista style, DirectWrite, accessibility, input methods, shortcuts, the line
# edits' context menu, drag and drop, tooltips and the Windows settings that the platform plugin reads. Qt needs its
# main window, menu bar and tool bar (for old API it keeps), regular expressions (its CMake files ask for PCRE2),
# sliders (scroll bars, so lists and combo boxes, are built on them) and XPM images (drag and drop, and the Windows
# plugin's cursors, are drawn from them); the windowsvista style needs tab bars and widgets, tree and table views,
# spin boxes, text edits and input dialogs; the Windows plugin's DirectWrite font database is built with Direct2D. In
# Qt 6.8 the windowsvista style shares its plugin with the Windows 11 style, which is always compiled and needs the
# graphics view, its effects, the command link button and style sheets (with their CSS parser).
qt_trim=( # widgets and dialogs
    mdiarea dockwidget statusbar statustip
    calendarwidget datetimeedit dial lcdnumber splitter toolbox wizard undoview colordialog fontdialog filedialog
    errormessage progressdialog progressbar fontcombobox keysequenceedit columnview tablewidget
    treewidget listwidget datawidgetmapper splashscreen systemtrayicon textbrowser
    scroller gestures whatsthis sizegrip rubberband fscompleter
    style_fusion style_windows11)
qt_trim+=( # documents, images and models
    textodfwriter textmarkdownreader textmarkdownwriter syntaxhighlighter pdf picture movie
    imageformat_ppm imageformat_xbm image_heuristic_mask sessionmanager desktopservices
    undocommand undogroup undostack filesystemmodel sortfilterproxymodel transposeproxymodel
    concatenatetablesproxymodel identityproxymodel itemmodeltester)
qt_trim+=( # Core services: the MIME database, time zones, XML, other calendars, shared memory, file watching
    mimetype mimetype_database timezone xmlstream xmlstreamreader xmlstreamwriter
    hijricalendar islamiccivilcalendar jalalicalendar sharedmemory systemsemaphore filesystemwatcher)
qt_needed=(widgets combobox lineedit checkbox pushbutton label messagebox contextmenu clipboard draganddrop shortcut
    tooltip accessibility highdpiscaling style_windowsvista process settings temporaryfile png ico testlib)
for feature in "${qt_trim[@]}"; do qt_options+=("-DFEATURE_$feature=OFF"); done
# Smaller code: -Os instead of -O2 for all of Qt. Qt cannot be configured without regular expressions, but
# PCRE2 can do without its just-in-time compiler, which nothing here needs.
qt_options+=(-DFEATURE_optimize_size=ON -DCMAKE_C_FLAGS=-DPCRE2_DISABLE_JIT)

# The MinGW-w64 cross compiler, for Qt and the wizard alike.
write_toolchain() {
    cat >"$toolchain" <<'TOOLCHAIN'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN
}

# A static Qt's folder is named by everything that makes it what it is: Qt's source package (the host tools'
# version), every configure option, the toolchain file, the cross compiler's and CMake's packages. A change to any of
# them builds a new Qt beside the old one; nothing else does. The folder holds the source (src/), the build (build/,
# whose ninja log the notices are made from) and the installed Qt (static/).
qt_home_for_this_build() {
    local key
    key=$({
        { # the packages sorted by name, as dpkg-query lists them
            dpkg-query -W -f='${Package} ${Version}\n' g++-mingw-w64-x86-64-posix cmake
            echo "qt6-base-dev-tools $qt_version"
        } | sort
        cat "$toolchain"
        printf '%s\n' "${qt_options[@]}"
    } | sha256sum | cut -c1-16)
    echo "$cache/qt-$key"
}

# Debian's source of the same Qt the Linux build uses, configured, checked, built and installed into $qt. The deb-src
# list and its index live in the cache, passed to apt on its command line: the system's own apt configuration stays
# as it is, and no root is needed.
build_static_qt() {
    local started apt_dir private_apt
    started=$(date +%s)
    apt_dir=$cache/apt
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    { # the release, its updates and its security fixes, as the installed host tools may come from any of them
        printf 'deb-src http://deb.debian.org/debian %s main\n' "$codename" "$codename-updates"
        printf 'deb-src http://deb.debian.org/debian-security %s-security main\n' "$codename"
    } >"$apt_dir/sources.list"
    private_apt=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
        -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache")
    apt-get "${private_apt[@]}" update -qq
    rm -rf "$qt_home"
    mkdir -p "$qt_home"
    (cd "$cache" && apt-get "${private_apt[@]}" source -qq --download-only "qt6-base=$qt_version" &&
        dpkg-source -q -x "qt6-base_${qt_version#*:}.dsc" "$qt_home/src")
    cmake -S "$qt_home/src" -B "$qt_home/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DCMAKE_INSTALL_PREFIX="$qt" "${qt_options[@]}"
    # Switching one feature off silently switches off those built on it: refuse a Qt without what the wizard uses. A
    # feature that a new Qt renamed would stay on unseen: refuse a trimmed one that is not off.
    local feature
    for feature in "${qt_needed[@]}"; do
        grep -qx "QT_FEATURE_$feature:INTERNAL=ON" "$qt_home/build/CMakeCache.txt" || {
            echo "build-windows: these Qt options switch off '$feature', which the wizard needs" >&2
            exit 1
        }
    done
    for feature in "${qt_trim[@]}"; do
        grep -qx "QT_FEATURE_$feature:INTERNAL=OFF" "$qt_home/build/CMakeCache.txt" || {
            echo "build-windows: Qt $qt_version has no feature '$feature' to switch off, or keeps it on" >&2
            exit 1
        }
    done
    cmake --build "$qt_home/build" -j "$jobs"
    cmake --install "$qt_home/build"
    touch "$qt/.complete"
    echo "Static Qt for Windows built in $(($(date +%s) - started)) s into $qt"
}

# The wizard and its tests against $qt. A build folder keeps the Qt it was first configured with; one made against
# another Qt starts over. qt-cmake chains the MinGW toolchain file with Qt's own, which finds the static Qt. Debian's
# Qt source turns off the automatic linking of a static Qt's plugins (which a distribution's shared Qt does not need);
# the exe needs its platform and style plugins, the tests the offscreen one.
build_wizard() {
    if [ -f build-windows/CMakeCache.txt ] &&
        ! grep -qxF "Qt6_DIR:PATH=$qt/lib/cmake/Qt6" build-windows/CMakeCache.txt; then
        rm -rf build-windows
    fi
    "$qt/bin/qt-cmake" -S "$repo" -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DQELWIZARD_WERROR=ON -DCMAKE_CROSSCOMPILING_EMULATOR=wine -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF
    cmake --build build-windows -j "$jobs"
}

# What a user needs to rebuild the same program against a changed Qt: this Qt, how it was configured, the compiler;
# and where the notices find the Qt source and build this program links.
write_build_record() {
    {
        echo "Qt $(sed -n 's/^set(PACKAGE_VERSION "\(.*\)")$/\1/p' "$qt/lib/cmake/Qt6/Qt6ConfigVersionImpl.cmake")," \
            "built static from Debian's qt6-base source package $qt_version"
        echo "Compiler: $(x86_64-w64-mingw32-g++-posix --version | head -n 1), Debian's g++-mingw-w64-x86-64-posix" \
            "$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)"
        echo "Qt's configure options (cmake -S <qt6-base source> -B <build> -G Ninja, with a MinGW-w64 toolchain file):"
        printf '  %s\n' "${qt_options[@]}"
    } >build-windows/qt-build.txt
    echo "$qt_home" >build-windows/qt-home.txt
}

scripts/install-deps.sh windows
mkdir -p "$cache"
toolchain=$cache/mingw-w64-x86_64.cmake
write_toolchain
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools) # the Linux build's Qt, whose source is built here
qt_home=$(qt_home_for_this_build)
qt=${QELWIZARD_QT:-$qt_home/static}
if [ -z "${QELWIZARD_QT:-}" ] && [ ! -f "$qt/.complete" ]; then
    build_static_qt
fi
build_wizard
write_build_record
echo "build-windows/QelWizard.exe: $(stat -c %s build-windows/QelWizard.exe) bytes"
