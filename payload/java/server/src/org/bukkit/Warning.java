package org.bukkit;

import java.lang.annotation.ElementType;
import java.lang.annotation.Retention;
import java.lang.annotation.RetentionPolicy;
import java.lang.annotation.Target;

/** Marks API that warns whoever uses it (an event that fires in surprising ways, say). */
@Target({ElementType.CONSTRUCTOR, ElementType.METHOD, ElementType.TYPE})
@Retention(RetentionPolicy.RUNTIME)
public @interface Warning {
    /** Whether to warn by default. */
    boolean value() default false;

    /** Why. */
    String reason() default "";

    /** Whether the server prints such warnings: always, never, or as each warning says. */
    enum WarningState {
        ON,
        OFF,
        DEFAULT;

        /** Whether a use of API marked with the warning is reported under this setting. */
        public boolean printFor(Warning warning) {
            if (this == DEFAULT) {
                return warning == null || warning.value();
            }
            return this == ON;
        }

        /** The setting a configuration's text names ("on", "true", "off", "false", "no", ...); DEFAULT otherwise. */
        public static WarningState value(final String value) {
            if (value == null) {
                return DEFAULT;
            }
            String v = value.toLowerCase(java.util.Locale.ENGLISH);
            if (v.equals("on") || v.equals("true") || v.equals("yes")) {
                return ON;
            }
            if (v.equals("off") || v.equals("false") || v.equals("no")) {
                return OFF;
            }
            return DEFAULT;
        }
    }
}
