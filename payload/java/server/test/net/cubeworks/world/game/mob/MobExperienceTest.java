package net.cubeworks.world.game.mob;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Random;

import org.bukkit.entity.Player;
import org.bukkit.event.Event;
import org.bukkit.event.entity.CreatureSpawnEvent;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.event.entity.EntityDeathEvent;
import org.bukkit.inventory.ItemStack;
import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.game.entity.WorldEntity;

/** The experience a dead mob leaves: who killed it, its kind, what it wore, its age, the plugins' say. */
public class MobExperienceTest {
    private final GridWorld w = new GridWorld(new Grid(4));
    private final Mobs mobs = new Mobs(w, new Random(5));
    private final Player alex = GridWorld.player("Alex", 2.5, 4, 0.5);
    private long tick;

    {
        w.spawn = new int[] {100000, 4, 0};
        w.monsters = false;
        w.animals = false;
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

    /** The experience the mob of the kind leaves when the player kills it, after its body has gone. */
    private int killed(MobKind kind, java.util.function.Consumer<Mob> dress) {
        Mob m = mobs.spawn(kind, 0.5, 4, 0.5, 0f, CreatureSpawnEvent.SpawnReason.CUSTOM);
        dress.accept(m);
        w.experience.clear();
        m.hurt(1000, alex, DamageCause.ENTITY_ATTACK);
        assertTrue(m.dead);
        run(HurtAndDeath.DEATH_TICKS);
        assertTrue(m.isRemoved());
        int sum = 0;
        for (int e : w.experience) {
            sum += e;
        }
        return sum;
    }

    private static final java.util.function.Consumer<Mob> BARE = m -> { };

    @Test
    public void animalsGiveOneToThreeMonstersFiveAndMoreForWhatTheyWearBabiesNone() {
        boolean[] seen = new boolean[4];
        for (int i = 0; i < 40; i++) {
            int cow = killed(MobKind.COW, BARE);
            assertTrue("a cow gives 1-3, gave " + cow, cow >= 1 && cow <= 3);
            seen[cow] = true;
            int squid = killed(MobKind.SQUID, BARE);
            assertTrue(squid >= 1 && squid <= 3);
            assertEquals(5, killed(MobKind.ZOMBIE, BARE));
            assertEquals(5, killed(MobKind.CREEPER, BARE));
            int skeleton = killed(MobKind.SKELETON, BARE);
            assertTrue("a skeleton's bow adds 1-3, gave " + skeleton, skeleton >= 6 && skeleton <= 8);
            int dressed = killed(MobKind.ZOMBIE, m -> {
                m.armour[3] = new ItemStack(306, 1);
                m.armour[0] = new ItemStack(309, 1);
            });
            assertTrue("two pieces add 2-6, gave " + dressed, dressed >= 7 && dressed <= 11);
            assertEquals("what it picked up (drop chance over 1) adds nothing", 5, killed(MobKind.ZOMBIE, m -> {
                m.armour[3] = new ItemStack(306, 1);
                m.dropChances[4] = 2f;
            }));
        }
        assertTrue(seen[1] && seen[2] && seen[3]);
        assertEquals("a calf", 0, killed(MobKind.COW, m -> ((Animal) m).age = Animal.BABY_AGE));
        assertEquals("a baby zombie", 0, killed(MobKind.ZOMBIE, m -> ((ZombieMob) m).baby = true));
        w.mobLoot = false;
        int drops = w.drops.size();
        assertEquals("doMobLoot off", 0, killed(MobKind.ZOMBIE, m -> m.heldItem = 267));
        assertEquals("nor items", drops, w.drops.size());
    }

    @Test
    public void aPlayersHitCountsForFiveSecondsAndTheOrbsFallWhenTheBodyGoes() {
        Mob zombie = mobs.spawn(MobKind.ZOMBIE, 0.5, 4, 0.5, 0f, CreatureSpawnEvent.SpawnReason.CUSTOM);
        zombie.hurt(2, alex, DamageCause.ENTITY_ATTACK);
        run(90);
        zombie.hurt(100, null, DamageCause.FALL);
        run(HurtAndDeath.DEATH_TICKS - 1);
        assertEquals("not before the body has fallen over", 0, w.experience.size());
        run(1);
        assertEquals(Collections.singletonList(5), w.experience);

        w.experience.clear();
        Mob late = mobs.spawn(MobKind.ZOMBIE, 0.5, 4, 0.5, 0f, CreatureSpawnEvent.SpawnReason.CUSTOM);
        late.hurt(2, alex, DamageCause.ENTITY_ATTACK);
        run(101);
        late.hurt(100, null, DamageCause.FALL);
        run(HurtAndDeath.DEATH_TICKS);
        assertEquals("a hit more than 5 seconds ago", 0, w.experience.size());

        mobs.spawn(MobKind.ZOMBIE, 0.5, 4, 0.5, 0f, CreatureSpawnEvent.SpawnReason.CUSTOM)
                .hurt(100, null, DamageCause.LAVA);
        run(HurtAndDeath.DEATH_TICKS);
        assertEquals("no player at all", 0, w.experience.size());
    }

    @Test
    public void theDeathEventsExperienceIsWhatFalls() throws Exception {
        GridWorld.listen();
        final List<Integer> offered = new ArrayList<Integer>();
        w.onEvent = e -> {
            if (e instanceof EntityDeathEvent) {
                offered.add(((EntityDeathEvent) e).getDroppedExp());
                ((EntityDeathEvent) e).setDroppedExp(40);
            }
        };
        assertEquals(40, killed(MobKind.CREEPER, BARE));
        assertEquals(Collections.singletonList(5), offered);
        assertEquals("a plugin may give experience for any death", 40,
                killed(MobKind.COW, m -> ((Animal) m).age = Animal.BABY_AGE));
    }
}
