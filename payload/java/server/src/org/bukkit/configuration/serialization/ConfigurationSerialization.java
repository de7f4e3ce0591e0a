package org.bukkit.configuration.serialization;

import java.lang.reflect.Constructor;
import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.util.Map;
import java.util.concurrent.ConcurrentHashMap;
import java.util.logging.Level;
import java.util.logging.Logger;

/**
 * The registry of serializable classes by alias, and the way from a stored map back to an
 * object: the map's "==" entry names the alias (or class name) of the object it holds.
 */
public class ConfigurationSerialization {
    public static final String SERIALIZED_TYPE_KEY = "==";

    private static final Map<String, Class<? extends ConfigurationSerializable>> ALIASES =
            new ConcurrentHashMap<String, Class<? extends ConfigurationSerializable>>();

    private final Class<? extends ConfigurationSerializable> clazz;

    protected ConfigurationSerialization(Class<? extends ConfigurationSerializable> clazz) {
        this.clazz = clazz;
    }

    protected Method getMethod(String name, boolean isStatic) {
        try {
            Method method = clazz.getDeclaredMethod(name, Map.class);
            if (!ConfigurationSerializable.class.isAssignableFrom(method.getReturnType())) {
                return null;
            }
            if (Modifier.isStatic(method.getModifiers()) != isStatic) {
                return null;
            }
            return method;
        } catch (NoSuchMethodException ex) {
            return null;
        } catch (SecurityException ex) {
            return null;
        }
    }

    protected Constructor<? extends ConfigurationSerializable> getConstructor() {
        try {
            return clazz.getConstructor(Map.class);
        } catch (NoSuchMethodException ex) {
            return null;
        } catch (SecurityException ex) {
            return null;
        }
    }

    protected ConfigurationSerializable deserializeViaMethod(Method method, Map<String, ?> args) {
        try {
            method.setAccessible(true);
            ConfigurationSerializable result = (ConfigurationSerializable) method.invoke(null, args);
            if (result == null) {
                log("Could not call method '" + method + "' of " + clazz + " for deserialization: method returned null",
                        null);
            }
            return result;
        } catch (InvocationTargetException ex) {
            log("Could not call method '" + method + "' of " + clazz + " for deserialization", ex.getCause());
        } catch (Exception ex) {
            log("Could not call method '" + method + "' of " + clazz + " for deserialization", ex);
        }
        return null;
    }

    protected ConfigurationSerializable deserializeViaCtor(Constructor<? extends ConfigurationSerializable> ctor,
            Map<String, ?> args) {
        try {
            return ctor.newInstance(args);
        } catch (InvocationTargetException ex) {
            log("Could not call constructor '" + ctor + "' of " + clazz + " for deserialization", ex.getCause());
        } catch (Exception ex) {
            log("Could not call constructor '" + ctor + "' of " + clazz + " for deserialization", ex);
        }
        return null;
    }

    /** Tries deserialize(Map), then valueOf(Map), then a constructor taking the map. */
    public ConfigurationSerializable deserialize(Map<String, ?> args) {
        if (args == null) {
            throw new IllegalArgumentException("Args must not be null");
        }
        Method method = getMethod("deserialize", true);
        if (method != null) {
            return deserializeViaMethod(method, args);
        }
        method = getMethod("valueOf", true);
        if (method != null) {
            return deserializeViaMethod(method, args);
        }
        Constructor<? extends ConfigurationSerializable> ctor = getConstructor();
        return ctor == null ? null : deserializeViaCtor(ctor, args);
    }

    private static void log(String message, Throwable ex) {
        Logger.getLogger(ConfigurationSerialization.class.getName()).log(Level.SEVERE, message, ex);
    }

    public static ConfigurationSerializable deserializeObject(Map<String, ?> args,
            Class<? extends ConfigurationSerializable> clazz) {
        return new ConfigurationSerialization(clazz).deserialize(args);
    }

    /** The object the map describes, by its "==" entry; fails when the entry names no known class. */
    public static ConfigurationSerializable deserializeObject(Map<String, ?> args) {
        if (!args.containsKey(SERIALIZED_TYPE_KEY)) {
            throw new IllegalArgumentException("Args doesn't contain type key ('" + SERIALIZED_TYPE_KEY + "')");
        }
        String alias;
        try {
            alias = (String) args.get(SERIALIZED_TYPE_KEY);
        } catch (ClassCastException ex) {
            throw new IllegalArgumentException("Cannot have null alias", ex);
        }
        if (alias == null) {
            throw new IllegalArgumentException("Cannot have null alias");
        }
        Class<? extends ConfigurationSerializable> clazz = getClassByAlias(alias);
        if (clazz == null) {
            throw new IllegalArgumentException("Specified class does not exist ('" + alias + "')");
        }
        return new ConfigurationSerialization(clazz).deserialize(args);
    }

    public static void registerClass(Class<? extends ConfigurationSerializable> clazz) {
        DelegateDeserialization delegate = clazz.getAnnotation(DelegateDeserialization.class);
        if (delegate == null) {
            registerClass(clazz, getAlias(clazz));
            registerClass(clazz, clazz.getName());
        }
    }

    public static void registerClass(Class<? extends ConfigurationSerializable> clazz, String alias) {
        ALIASES.put(alias, clazz);
    }

    public static void unregisterClass(String alias) {
        ALIASES.remove(alias);
    }

    public static void unregisterClass(Class<? extends ConfigurationSerializable> clazz) {
        while (ALIASES.values().remove(clazz)) {
            // every alias of the class goes
        }
    }

    /** The registered class of the alias; an unregistered full class name that is serializable is registered. */
    public static Class<? extends ConfigurationSerializable> getClassByAlias(String alias) {
        Class<? extends ConfigurationSerializable> known = ALIASES.get(alias);
        if (known != null) {
            return known;
        }
        try {
            Class<?> named = Class.forName(alias);
            if (ConfigurationSerializable.class.isAssignableFrom(named)) {
                Class<? extends ConfigurationSerializable> c = named.asSubclass(ConfigurationSerializable.class);
                registerClass(c, alias);
                return c;
            }
        } catch (ClassNotFoundException ex) {
            // no such class
        }
        return null;
    }

    /** The name the class is written under: its delegate's, its SerializableAs value, or its class name. */
    public static String getAlias(Class<? extends ConfigurationSerializable> clazz) {
        DelegateDeserialization delegate = clazz.getAnnotation(DelegateDeserialization.class);
        if (delegate != null && delegate.value() != null && delegate.value() != clazz) {
            return getAlias(delegate.value());
        }
        SerializableAs alias = clazz.getAnnotation(SerializableAs.class);
        if (alias != null && alias.value() != null) {
            return alias.value();
        }
        return clazz.getName();
    }
}
