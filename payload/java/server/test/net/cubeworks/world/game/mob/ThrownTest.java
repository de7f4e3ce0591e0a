package net.cubeworks.world.game.mob;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.ArrayDeque;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collections;
import java.util.Deque;
import java.util.List;
import java.util.Random;

import org.bukkit.entity.Player;
import org.bukkit.entity.Snowball;
import org.bukkit.event.Event;
import org.bukkit.event.entity.CreatureSpawnEvent;
import org.bukkit.event.entity.EntityDamageByEntityEvent;
import org.bukkit.event.entity.ProjectileHitEvent;
import org.bukkit.event.entity.ProjectileLaunchEvent;
import org.bukkit.event.player.PlayerEggThrowEvent;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.entity.WorldEntity;

/** Snowballs and eggs: their flight, what they do to what they hit, and what hatches from an egg. */
public class ThrownTest {
    /** Random numbers a test fixes: nextInt answers from the queue while it lasts. */
    static final class Fixed extends Random {
        final Deque<Integer> ints = new ArrayDeque<Integer>();

        Fixed(Integer... answers) {
            super(3);
            ints.addAll(Arrays.asList(answers));
        }

        @Override
        public int nextInt(int bound) {
            return ints.isEmpty() ? super.nextInt(bound) : ints.poll();
        }
    }

    private final GridWorld w = new GridWorld(new Grid(4));
    private Mobs mobs = new Mobs(w, new Random(2));
    private long tick;

    {
        w.spawn = new int[] {100000, 4, 0};
        w.monsters = false;
        w.animals = false;
    }

    @Before
    public void listen() throws Exception {
        GridWorld.listen();
    }

    @After
    public void deaf() {
        GridWorld.deaf();
    }

    private void run(int ticks) {
        List<Player> nobody = Collections.emptyList();
        for (int i = 0; i < ticks; i++) {
            tick++;
            mobs.tickWith(tick, nobody);
            for (WorldEntity e : w.entities.all()) {
                e.tick(tick);
                if (e.isRemoved()) {
                    w.entities.remove(e);
                }
            }
        }
    }

    private <T extends Event> List<T> heard(Class<T> kind) {
        List<T> out = new ArrayList<T>();
        for (Event e : w.events) {
            if (kind.isInstance(e)) {
                out.add(kind.cast(e));
            }
        }
        return out;
    }

    @Test
    public void aSnowballFliesAtTheThrowsSpeedFallsAndPushesWhatItHitsWithoutHurt() {
        SnowballEntity ball = new SnowballEntity(mobs, null, 0, 0, 0);
        ball.throwFrom(0.5, 20, 0.5, 0f, 0f, Thrown.SPEED); // level, toward +z, high over the floor
        double speed = Math.sqrt(ball.motionX * ball.motionX + ball.motionY * ball.motionY + ball.motionZ * ball.motionZ);
        assertEquals(1.5, speed, 0.05);
        assertEquals(19.9, ball.y, 1e-9);
        w.entities.add(ball);
        double vy = ball.motionY;
        run(1);
        assertEquals("drag, then gravity", vy * 0.99 - 0.03, ball.motionY, 1e-9);
        assertEquals(0.5 + 1.5, ball.z, 0.05);

        Mob cow = mobs.spawn(MobKind.COW, 0.5, 4, 6.5, 0f, CreatureSpawnEvent.SpawnReason.CUSTOM);
        Mob thrower = mobs.spawn(MobKind.SKELETON, 0.5, 4, 0.5, 0f, CreatureSpawnEvent.SpawnReason.CUSTOM);
        w.events.clear();
        Thrown t = mobs.throwFrom(thrower, false);
        assertNotNull(t);
        assertEquals(1, heard(ProjectileLaunchEvent.class).size());
        assertTrue(t instanceof Snowball);
        float health = cow.health;
        for (int i = 0; i < 10 && !t.isRemoved(); i++) {
            run(1);
        }
        assertTrue("broke on the cow", t.isRemoved());
        assertEquals(health, cow.health, 1e-6);
        assertTrue("pushed away from the throw", cow.motionZ > 0.1);
        assertEquals(1, heard(ProjectileHitEvent.class).size());
        EntityDamageByEntityEvent hit = heard(EntityDamageByEntityEvent.class).get(0);
        assertEquals(0, hit.getDamage(), 0);
        assertEquals(t, hit.getDamager());

        Thrown again = mobs.throwFrom(thrower, false);
        for (int i = 0; i < 10 && !again.isRemoved(); i++) {
            run(1);
        }
        assertTrue(again.isRemoved());
        assertEquals("no second push within the half second of resistance", 1,
                heard(EntityDamageByEntityEvent.class).size());

        w.cancel.add(ProjectileLaunchEvent.class);
        assertNull("a plugin stops the throw", mobs.throwFrom(thrower, true));
        w.cancel.clear();

        SnowballEntity down = new SnowballEntity(mobs, null, 0, 0, 0);
        down.throwFrom(20.5, 6, 20.5, 0f, 90f, Thrown.SPEED); // straight down onto the floor at y 4
        w.entities.add(down);
        run(2);
        assertTrue("broke on the block", down.isRemoved());
        assertTrue(down.y >= 3.9 && down.y <= 4.5);
    }

    @Test
    public void anEggHatchesOneChickInEightAndFourInThirtyTwoOfThose() {
        assertEquals(4, EggEntity.chicks(new Fixed(0, 0)));
        assertEquals(1, EggEntity.chicks(new Fixed(0, 1)));
        assertEquals(0, EggEntity.chicks(new Fixed(1, 0)));
        assertEquals(0, EggEntity.chicks(new Fixed(7, 31)));

        mobs = new Mobs(w, new Fixed(0, 0));
        Player alex = GridWorld.player("Alex", 0.5, 4, 0.5);
        EggEntity egg = new EggEntity(mobs, alex, 0, 0, 0);
        egg.throwFrom(10.5, 6, 10.5, 0f, 90f, Thrown.SPEED);
        w.entities.add(egg);
        w.events.clear();
        run(2);
        assertTrue(egg.isRemoved());
        List<CreatureSpawnEvent> born = heard(CreatureSpawnEvent.class);
        assertEquals("four chicks", 4, born.size());
        for (CreatureSpawnEvent e : born) {
            assertEquals(CreatureSpawnEvent.SpawnReason.EGG, e.getSpawnReason());
            assertFalse("a chick", ((Animal) e.getEntity()).isAdult());
            assertEquals(MobKind.CHICKEN, ((Mob) e.getEntity()).kind);
        }
        PlayerEggThrowEvent thrown = heard(PlayerEggThrowEvent.class).get(0);
        assertTrue(thrown.isHatching());
        assertEquals(4, thrown.getNumHatches());

        mobs = new Mobs(w, new Fixed(0, 5));
        w.onEvent = e -> {
            if (e instanceof PlayerEggThrowEvent) {
                ((PlayerEggThrowEvent) e).setHatching(false); // the plugin's say
            }
        };
        EggEntity kept = new EggEntity(mobs, alex, 0, 0, 0);
        kept.throwFrom(12.5, 6, 10.5, 0f, 90f, Thrown.SPEED);
        w.entities.add(kept);
        w.events.clear();
        run(2);
        assertTrue(kept.isRemoved());
        assertEquals(0, heard(CreatureSpawnEvent.class).size());
    }
}
