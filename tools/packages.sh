# The Debian packages the build, the tests and the program need.
BUILD_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libicu-dev libopencc-dev opencc libopencc-data
  nlohmann-json3-dev libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev
  unicode-data python3
)
RUNTIME_PACKAGES=(fonts-noto-cjk libopencc-data)
