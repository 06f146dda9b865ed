# Writes the manual page: the template with the version and the parameters'
# options, which the engine's table printed into OPTIONS_FILE.
#   cmake -DTEMPLATE=… -DOPTIONS_FILE=… -DOUTPUT=… -DPROJECT_VERSION=… -P Manual.cmake
file(READ ${OPTIONS_FILE} PARAMETER_OPTIONS)
string(REGEX REPLACE "\n$" "" PARAMETER_OPTIONS "${PARAMETER_OPTIONS}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
