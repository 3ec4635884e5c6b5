#!/usr/bin/env bash
# Builds the Debian package out/kx760-manager_<version>_<arch>.deb: a release build of the four
# programs without sanitizers (build-package/), installed under /usr in a staging root with
# `cmake --install`, manual pages and changelog compressed, the control file's dependencies worked
# out from the programs' shared libraries by dpkg-shlibdeps, then dpkg-deb. Prints the package's
# path on its last line. Check it with `lintian out/kx760-manager_*.deb`.
#   KX_PACKAGE_BUILD_DIR  build directory (default build-package)
#   KX_PACKAGE_OUT_DIR    where the package goes (default out)
#   KX_PACKAGE_NO_DEPS=1  do not run scripts/install-deps.sh (the caller did)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${KX_PACKAGE_BUILD_DIR:-$root/build-package}
out=${KX_PACKAGE_OUT_DIR:-$root/out}
package=kx760-manager

[ "${KX_PACKAGE_NO_DEPS:-0}" = 1 ] || bash scripts/install-deps.sh

# Debian's compiler and linker flags (hardening included), as a Debian build would use them, less
# -g: the programs are installed stripped and no debug symbol package is made, so the debugging
# information would only be written to be thrown away (the code compiled is the same without it).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
# A compiler cache, when the machine has one, makes a rebuild in a fresh directory cheap.
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DKX_SANITIZE=OFF -DKX_BUILD_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target kx760 kx760ctl kx760sim kx760mib

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
changelog_version=$(dpkg-parsechangelog -l packaging/changelog -S Version)
if [ "$changelog_version" != "$version" ]; then
  echo "package.sh: packaging/changelog starts with version $changelog_version, the project is $version:" \
       "add a changelog entry" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/root
DESTDIR=$stage cmake --install "$build" --prefix /usr --strip >/dev/null

doc=$stage/usr/share/doc/$package
install -d "$doc"
install -m 0644 packaging/copyright "$doc/copyright"
# A native package's changelog; compressed, as are the manual pages.
gzip -9n -c packaging/changelog >"$doc/changelog.gz"
gzip -9n "$stage"/usr/share/man/man1/*.1

# Owner-writable, world-readable; the programs executable.
chmod -R u=rwX,go=rX "$stage"
chmod 0755 "$stage"/usr/bin/*

# Dependencies from the shared libraries the programs link (dpkg-shlibdeps reads debian/control).
install -d "$work/debian"
printf 'Source: %s\n\nPackage: %s\nArchitecture: any\n' "$package" "$package" >"$work/debian/control"
depends=$(cd "$work" && dpkg-shlibdeps -O root/usr/bin/* 2>/dev/null | sed -n 's/^shlibs:Depends=//p')
if [ -z "$depends" ]; then
  echo "package.sh: dpkg-shlibdeps found no dependencies" >&2
  exit 1
fi

install -d -m 0755 "$stage/DEBIAN"
installed_size=$(du -sk --exclude=DEBIAN "$stage" | cut -f1)
sed -e "s/@VERSION@/$version/" -e "s/@ARCH@/$arch/" -e "s/@INSTALLED_SIZE@/$installed_size/" \
    -e "s/@DEPENDS@/$depends/" packaging/control.in >"$stage/DEBIAN/control"
(cd "$stage" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$stage/DEBIAN/md5sums"
chmod 0644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"

mkdir -p "$out"
deb=$out/${package}_${version}_${arch}.deb
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" >/dev/null
echo "$deb"
