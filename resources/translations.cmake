# The translations are kept as .ts sources (tools/update-translations.sh
# gathers new texts into them); lrelease compiles them at build time and they
# are embedded as ":/system/system/Ru.qm" and ":/system/system/Uk.qm", where
# the translator loads them from.
set(wox_ts_files ${CMAKE_CURRENT_SOURCE_DIR}/Ru.ts ${CMAKE_CURRENT_SOURCE_DIR}/Uk.ts)
set_source_files_properties(${wox_ts_files} PROPERTIES
                            OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/system)
qt5_add_translation(wox_qm_files ${wox_ts_files})
wox_add_generated_qrc(translations system/Ru.qm system/Uk.qm)
