# SPDX-License-Identifier: GPL-3.0-or-later
# The form includes its controls, never the other way round: a control that
# needs the form (to start a drag, say) goes through Steuerung.h.
# cmake -DQUELLEN=src/forms -P OhneZyklus.cmake
file(GLOB steuerelemente ${QUELLEN}/Steuer*.h ${QUELLEN}/Steuer*.cpp ${QUELLEN}/StringGrid.*)
foreach(datei IN LISTS steuerelemente)
  file(STRINGS ${datei} treffer REGEX "#include \"(forms/)?Formular\\.h\"")
  if(treffer)
    message(SEND_ERROR "${datei} bindet das Formular ein: ${treffer}")
  endif()
endforeach()
list(LENGTH steuerelemente anzahl)
if(anzahl LESS 5)
  message(SEND_ERROR "Steuerelemente nicht gefunden unter ${QUELLEN}")
endif()
