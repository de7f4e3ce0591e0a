package org.bukkit.plugin.java;

import java.net.URL;
import java.net.URLClassLoader;

/**
 * The class loader of one plugin jar. Its parent holds the server and the API; classes of
 * other plugins are found through the plugin loader so that dependent plugins work.
 */
public class PluginClassLoader extends URLClassLoader {
    private final JavaPluginLoader loader;

    public PluginClassLoader(final JavaPluginLoader loader, final URL[] urls, final ClassLoader parent) {
        super(urls, parent);
        this.loader = loader;
    }

    @Override
    protected Class<?> findClass(String name) throws ClassNotFoundException {
        return findClass(name, true);
    }

    Class<?> findClass(String name, boolean checkOthers) throws ClassNotFoundException {
        Class<?> result;
        synchronized (getClassLoadingLock(name)) {
            result = findLoadedClass(name);
            if (result == null) {
                try {
                    result = super.findClass(name);
                } catch (ClassNotFoundException ex) {
                    result = checkOthers ? loader.findOtherPluginClass(name, this) : null;
                }
            }
        }
        if (result == null) {
            throw new ClassNotFoundException(name);
        }
        return result;
    }
}
