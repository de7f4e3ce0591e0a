package org.bukkit.plugin.java;

import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.net.URL;
import java.net.URLClassLoader;
import java.security.CodeSigner;
import java.security.CodeSource;

/**
 * The class loader of one plugin jar. Its parent holds the server and the API; classes of
 * other plugins are found through the plugin loader so that dependent plugins work.
 */
public class PluginClassLoader extends URLClassLoader {
    static {
        // a lock per class name, not the whole loader (see findClass)
        ClassLoader.registerAsParallelCapable();
    }

    private final JavaPluginLoader loader;

    public PluginClassLoader(final JavaPluginLoader loader, final URL[] urls, final ClassLoader parent) {
        super(urls, parent);
        this.loader = loader;
    }

    @Override
    protected Class<?> findClass(String name) throws ClassNotFoundException {
        return findClass(name, true);
    }

    /**
     * A class of this jar, else (when checkOthers) one of another plugin's. Only the loader whose
     * jar holds a class takes a lock for it, and none holds one while asking the others: two
     * plugins loading each other's classes on two threads (one enabling, one in an async task)
     * cannot wait on each other.
     */
    Class<?> findClass(String name, boolean checkOthers) throws ClassNotFoundException {
        Class<?> result = null;
        if (findResource(name.replace('.', '/') + ".class") != null) {
            synchronized (getClassLoadingLock(name)) {
                result = findLoadedClass(name);
                if (result == null) {
                    result = defineRedirected(name);
                }
                if (result == null) {
                    result = super.findClass(name);
                }
            }
        }
        if (result == null && checkOthers) {
            result = loader.findOtherPluginClass(name, this);
        }
        if (result == null) {
            throw new ClassNotFoundException(name);
        }
        return result;
    }

    /**
     * Defines the class from this jar with its reflective field lookups sent through the server
     * (see {@link ReflectionRedirect}); null when it has none, for the ordinary definition.
     */
    private Class<?> defineRedirected(String name) throws ClassNotFoundException {
        String path = name.replace('.', '/') + ".class";
        URL url = findResource(path);
        if (url == null) {
            return null;
        }
        byte[] bytes;
        try {
            InputStream in = url.openStream();
            try {
                ByteArrayOutputStream out = new ByteArrayOutputStream();
                byte[] buf = new byte[8192];
                int n;
                while ((n = in.read(buf)) > 0) {
                    out.write(buf, 0, n);
                }
                bytes = out.toByteArray();
            } finally {
                in.close();
            }
        } catch (IOException ex) {
            throw new ClassNotFoundException(name, ex);
        }
        byte[] rewritten = ReflectionRedirect.rewrite(bytes);
        if (rewritten == null) {
            return null;
        }
        int dot = name.lastIndexOf('.');
        if (dot > 0) {
            String pkg = name.substring(0, dot);
            if (getPackage(pkg) == null) {
                try {
                    definePackage(pkg, null, null, null, null, null, null, null);
                } catch (IllegalArgumentException definedMeanwhile) {
                    // another class of the package was defined at the same time
                }
            }
        }
        URL[] jars = getURLs();
        CodeSource source = new CodeSource(jars.length > 0 ? jars[0] : null, (CodeSigner[]) null);
        return defineClass(name, rewritten, 0, rewritten.length, source);
    }
}
