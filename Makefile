# The two commands. Everything else goes through the CMake presets (see README.md).
export LC_ALL := C

.PHONY: test run

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
	cmake --build --preset windows --target tockly_exe moonleaf_ocx
	bash scripts/run-tockly.sh
