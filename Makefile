# The two set-up commands: `make run` (the main job) and `make test`. Each
# installs what is missing first. The other targets are conveniences.
.PHONY: run test install native win64 win32 fuzz bench format

run: install
	@scripts/run.sh

test: install
	@scripts/test.sh

install:
	@scripts/install.sh

native win64 win32 fuzz: install
	@scripts/test.sh $@

bench: install
	@scripts/bench.sh

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i
