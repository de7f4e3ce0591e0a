package net.cubeworks.world.plugin;

import java.lang.reflect.Field;

/**
 * Reflection into the libraries the server carries, as plugins of the 1.7 era did it. Those
 * plugins were built against the libraries' versions of that time and some of them read private
 * fields of a library class by reflection; where a newer version of the library moved the field
 * to a superclass (SnakeYAML's {@code Constructor.typeDefinitions}, now in
 * {@code BaseConstructor}), the plugin's lookup would fail. The plugin class loader sends plugins'
 * {@code Class.getDeclaredField} calls here: for a class of a carried library, a field missing
 * from the class itself is looked up in its superclasses too. Any other class answers exactly as
 * {@code getDeclaredField} does.
 */
public final class LibraryFields {
    private static final String[] LIBRARY_PACKAGES = {"org.yaml.snakeyaml.", "com.google.common.", "com.google.gson.",
        "org.apache.commons.lang.", "org.json.simple."};

    private LibraryFields() {
    }

    public static Field declaredField(Class<?> type, String name) throws NoSuchFieldException {
        try {
            return type.getDeclaredField(name);
        } catch (NoSuchFieldException missing) {
            if (!isLibrary(type)) {
                throw missing;
            }
            for (Class<?> c = type.getSuperclass(); c != null && isLibrary(c); c = c.getSuperclass()) {
                for (Field f : c.getDeclaredFields()) {
                    if (f.getName().equals(name)) {
                        return f;
                    }
                }
            }
            throw missing;
        }
    }

    static boolean isLibrary(Class<?> type) {
        String n = type.getName();
        for (String p : LIBRARY_PACKAGES) {
            if (n.startsWith(p)) {
                return true;
            }
        }
        return false;
    }
}
