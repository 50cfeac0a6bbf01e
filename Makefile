# The two commands. Everything else goes through the CMake presets (see README.md).
export LC_ALL := C

.PHONY: test run dist

test:
	bash scripts/bootstrap.sh
	bash scripts/check-format.sh
	cmake --preset native >/dev/null
	cmake --build --preset native
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	cmake --preset windows >/dev/null
	cmake --build --preset windows
	ctest --preset native
	ctest --preset fuzz
	ctest --preset windows

run:
	bash scripts/bootstrap.sh
	cmake --preset windows >/dev/null
	cmake --build --preset windows --target tockly_exe moonleaf_ocx tockly_assets
	bash scripts/run-tockly.sh

# The zip and the installer: build/windows/Tockly-<version>.zip and Tockly-<version>-setup.exe.
dist:
	bash scripts/bootstrap.sh
	cmake --preset windows >/dev/null
	cmake --build --preset windows --target dist
